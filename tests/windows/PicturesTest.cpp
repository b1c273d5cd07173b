// The picture caches, in a test program of their own because each cache lives as long as the
// process: a picture missing from the resource folder is retried at every use and leaves its
// canvas empty; once it can be loaded it is kept, and read no more.
#include "AppTest.h"

#include "about/AboutWnd.h"
#include "framework/Picture.h"
#include "windows/Pictures.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Each test starts with the About window built from an empty resource folder.
class PictureTest : public AppTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        fw::Picture::SetResourceFolder(folder.path().toStdString());
        AppTest::SetUp();
    }
    QString InFolder(const char* file) const { return folder.filePath(QLatin1String(file)); }
    static QString Original(const char* file) {
        return QStringLiteral(KESTROW_TEST_RESOURCES "/") + QLatin1String(file);
    }
    static std::shared_ptr<fw::Picture> ReopenedAboutPicture() {
        kestrow::AboutWnd().Widget()->close();
        return kestrow::AboutWnd().Canvas1().Backdrop();
    }

    QTemporaryDir folder;
};

TEST_F(PictureTest, AboutWindowWithoutItsPictureThenWithItCached) {
    EXPECT_EQ(kestrow::AboutWnd().Canvas1().Backdrop(), nullptr);
    EXPECT_TRUE(kestrow::AboutWnd().StaticText1().Widget()->isVisible());
    EXPECT_EQ(ReopenedAboutPicture(), nullptr); // tried again, still missing

    ASSERT_TRUE(QFile::copy(Original("urn200.png"), InFolder("urn200.png")));
    const auto shown = ReopenedAboutPicture();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(std::make_pair(shown->Width(), shown->Height()), std::make_pair(std::int64_t{203}, std::int64_t{193}));
    EXPECT_EQ(kestrow::urn200(), shown);

    ASSERT_TRUE(QFile::remove(InFolder("urn200.png")));
    EXPECT_EQ(ReopenedAboutPicture(), shown); // from the cache, not the folder
}

} // namespace
