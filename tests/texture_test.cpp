#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "bmp_writer.h"

static GLint boundTextureLevel0(GLenum parameter)
{
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    return value;
}

static GLint integer(GLenum parameter)
{
    GLint value = 0;
    glGetIntegerv(parameter, &value);
    return value;
}

TEST(Textures, TheGameHasItsThreePictures)
{
    for (GLuint name : {1u, 2u, 3u}) {
        glBindTexture(GL_TEXTURE_2D, name);
        const GLint width = boundTextureLevel0(GL_TEXTURE_WIDTH);
        const GLint height = boundTextureLevel0(GL_TEXTURE_HEIGHT);
        EXPECT_TRUE(width >= 256 && (width & (width - 1)) == 0) << "texture " << name << " width " << width;
        EXPECT_TRUE(height >= 256 && (height & (height - 1)) == 0) << "texture " << name << " height " << height;
    }
    GLfloat mode = 0;
    glGetTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_REPLACE);
}

// Rows must arrive intact whatever the width; only a width whose rows are
// not whole 4-byte words may touch the unpack alignment, and it is put back.
TEST(Textures, UploadKeepsRowsIntact)
{
    const GLuint name = 40;
    for (int width : {4, 3, 5, 8}) {
        const int height = 3;
        std::vector<unsigned char> rgb(width * height * 3);
        for (size_t i = 0; i < rgb.size(); i++)
            rgb[i] = (unsigned char)(i * 11 + 3);
        const std::string path = testing::TempDir() + "upload.bmp";
        ASSERT_TRUE(writeBmp(path, width, height, rgb));

        testing::internal::CaptureStdout();
        LoadTexture(path.c_str(), name);
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output, "trying to load " + path + "\n");

        EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 4) << "width " << width;
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), (GLint)name);
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter, GL_NEAREST);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
        EXPECT_EQ(filter, GL_NEAREST);

        std::vector<unsigned char> texels(rgb.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        EXPECT_EQ(texels, rgb) << "width " << width;
        EXPECT_EQ(TextureImage, nullptr) << "the record is released once OpenGL has its copy";
    }
    glDeleteTextures(1, &name);
}
