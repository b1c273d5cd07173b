// Pictures by name: the folders the program names, searched in order, the one folder a test points
// them to instead, and the guard that keeps every name inside its folder; and a picture drawn as a
// canvas's backdrop.
#include "FrameworkTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace {

// Saves a picture of that size, which tells apart where a picture came from.
void SavePicture(const QString& path, int width) {
    QImage image(width, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path, "PNG"));
}

std::int64_t WidthOf(const std::string& name) {
    const auto picture = fw::Picture::OpenFromApp(name);
    return picture ? picture->Width() : 0;
}

class PictureTest : public FrameworkTest {
protected:
    void TearDown() override {
        fw::Picture::SetProgramFolders({});
        QDir::setCurrent(workingFolder);
        FrameworkTest::TearDown();
    }
    QTemporaryDir root;
    const QString workingFolder = QDir::currentPath();
};

TEST_F(PictureTest, ProgramFoldersInOrderUnlessATestFolderIsSet) {
    // The first folder beside the program, named relative to the program's folder.
    QTemporaryDir first(QCoreApplication::applicationDirPath() + QStringLiteral("/pictures-XXXXXX"));
    ASSERT_TRUE(root.isValid() && first.isValid());
    const QDir dir(root.path());
    for (const char* sub : {"second", "test/sub"}) ASSERT_TRUE(dir.mkpath(sub));
    ASSERT_NO_FATAL_FAILURE(SavePicture(first.filePath("both.png"), 11));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("second/both.png"), 12));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("second/second.png"), 13));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("test/both.png"), 14));

    EXPECT_EQ(WidthOf("both"), 0);              // no folders named yet
    ASSERT_TRUE(QDir::setCurrent(root.path())); // not the folder relative names are taken from
    const QString relative = QDir(QCoreApplication::applicationDirPath()).relativeFilePath(first.path());
    fw::Picture::SetProgramFolders({relative.toStdString(), dir.filePath("second").toStdString()});
    EXPECT_EQ(WidthOf("both"), 11);
    EXPECT_EQ(WidthOf("second.png"), 13);

    fw::Picture::SetResourceFolder(dir.filePath("test").toStdString());
    EXPECT_EQ(WidthOf("both"), 14);
    EXPECT_EQ(WidthOf("second"), 0);
    // Each name below would load a picture but for the guard: "test" holds ".png", its parent "outside.png".
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("test/.png"), 15));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("outside.png"), 16));
    for (const std::string& name : {std::string(), std::string("../outside"), std::string("sub/../../outside.png"),
                                    dir.filePath("outside.png").toStdString()}) {
        EXPECT_EQ(fw::Picture::OpenFromApp(name), nullptr) << name;
    }
    fw::Picture::SetResourceFolder("");
    EXPECT_EQ(WidthOf("both"), 11);
}

using BackdropTest = FrameworkTest;

TEST_F(BackdropTest, DrawnUnscaledAtTheTopLeftAndNilDrawsNothing) {
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    auto& canvas = OpenWith({}, {}).NewControl<fw::Canvas>("canvas");
    fw::SetProperties(canvas, {{"Width", 40}, {"Height", 40}});
    canvas.SetBackdrop(std::make_shared<fw::Picture>(image));
    const QImage shown = canvas.Widget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(11, 7), QColor(Qt::red));
    EXPECT_NE(shown.pixelColor(13, 9), QColor(Qt::red));
    canvas.SetBackdrop(nullptr);
    EXPECT_NE(canvas.Widget()->grab().toImage().pixelColor(0, 0), QColor(Qt::red));
}

} // namespace
