// The program gets its icon through vorn_attach_desktop_identity(); this test
// target gets it the same way. (The version's formatting is tested by
// application_version_test.cmake.)
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

namespace {

TEST(DesktopIdentity, QtResourceHoldsBothIconSizes) {
    const struct {
        const char* path;
        int size;
    } cases[] = {{":/icons/vorn-16.png", 16}, {":/icons/vorn-32.png", 32}};
    for (const auto& c : cases) {
        const QImage image(QString::fromLatin1(c.path));
        ASSERT_FALSE(image.isNull()) << c.path;
        EXPECT_EQ(image.width(), c.size) << c.path;
        EXPECT_EQ(image.height(), c.size) << c.path;
        EXPECT_TRUE(image.hasAlphaChannel()) << c.path;
    }
}

}  // namespace
