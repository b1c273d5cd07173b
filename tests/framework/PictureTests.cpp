// Pictures by name: the folders the program names, searched in order, the one folder a test points
// them to instead, and the guard that keeps every name inside its folder.
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
    for (const char* sub : {"second", "test"}) ASSERT_TRUE(dir.mkdir(sub));
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
    fw::Picture::SetResourceFolder("");
    EXPECT_EQ(WidthOf("both"), 11);
}

struct EscapeCase {
    const char* name;
    std::string picture; // relative to the folder searched, "<root>" for the absolute path of the folder above
};
void PrintTo(const EscapeCase& c, std::ostream* out) { *out << c.name; }

class PictureGuardTest : public PictureTest, public ::testing::WithParamInterface<EscapeCase> {};

// Each name below would load a picture but for the guard: the folder holds ".png", and the folder
// above it "outside.png".
TEST_P(PictureGuardTest, NameOutsideTheFolderLoadsNothing) {
    ASSERT_TRUE(root.isValid());
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("inner/sub"));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("outside.png"), 21));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("inner/.png"), 22));
    ASSERT_NO_FATAL_FAILURE(SavePicture(dir.filePath("inner/inside.png"), 23));
    fw::Picture::SetResourceFolder(dir.filePath("inner").toStdString());
    ASSERT_EQ(WidthOf("inside"), 23);

    std::string name = GetParam().picture;
    if (name.rfind("<root>", 0) == 0) name.replace(0, 6, root.path().toStdString());
    EXPECT_EQ(fw::Picture::OpenFromApp(name), nullptr) << name;
}

INSTANTIATE_TEST_SUITE_P(Names, PictureGuardTest,
                         ::testing::Values(EscapeCase{"Empty", ""}, EscapeCase{"Absolute", "<root>/outside.png"},
                                           EscapeCase{"Parent", "../outside"},
                                           EscapeCase{"ParentAfterASubfolder", "sub/../../outside.png"}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
