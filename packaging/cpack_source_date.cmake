# Read by cpack before it writes the package. Its files are dated to the
# last commit, as reproducible builds expect, unless the builder has set
# SOURCE_DATE_EPOCH already.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_BOWLING_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE failed ERROR_QUIET)
  if(failed)
    message(WARNING "Not a git checkout: the package's files are dated now. Set SOURCE_DATE_EPOCH to date them.")
  else()
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  endif()
endif()
