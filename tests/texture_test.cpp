#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "assets/assets.h"
#include "bmp_writer.h"
#include "scratch_folder.h"

static GLint integer(GLenum parameter)
{
    GLint value = 0;
    glGetIntegerv(parameter, &value);
    return value;
}

// Rows must arrive intact whatever the width; only a width whose rows are
// not whole 4-byte words may touch the unpack alignment, and it is put back.
TEST(Textures, UploadKeepsRowsIntact)
{
    const GLuint name = 40;
    ScratchFolder scratch;
    const std::string path = scratch / "upload.bmp";
    for (int width : {4, 3, 5}) {
        std::vector<unsigned char> rgb(width * 3 * 3);
        for (size_t i = 0; i < rgb.size(); i++)
            rgb[i] = (unsigned char)(i * 11 + 3);
        ASSERT_TRUE(writeBmp(path, width, 3, rgb));

        testing::internal::CaptureStdout();
        LoadTexture(path.c_str(), name);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "trying to load " + path + "\n");
        EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4) << "width " << width;
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), (GLint)name);
        GLint minFilter = 0, magFilter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
        EXPECT_TRUE(minFilter == GL_NEAREST && magFilter == GL_NEAREST);

        std::vector<unsigned char> texels(rgb.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        EXPECT_EQ(texels, rgb) << "width " << width;
    }
    glDeleteTextures(1, &name);
}
