// The main window under Qt's offscreen platform: layout from an injected work area, the three
// list clicks on a data folder made for each test, the status label, and the confirm button.
#include "app/main_window.h"

#include "app/form_texts.h"
#include "app/placeholder_view.h"
#include "app/startup.h"
#include "platform/codepage.h"
#include "window_test_util.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <unistd.h>

static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

#include <filesystem>
#include <fstream>

namespace wenlocke {
namespace {

namespace fs = std::filesystem;

using testing::EnsureApplication;
using testing::RecordingSink;

std::string Gbk(const char* utf8)
{
    return platform::Utf8ToCodePage(utf8, platform::kCodePageGbk);
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QStringList Rows(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

const QRect kWorkArea(0, 0, 1280, 1040);

// A data folder with two groups, three notebooks and a snapshot folder whose files are made in
// an order the list must not keep.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        m_dir = fs::temp_directory_path() / ("wenlocke_window_" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        WriteFile(m_dir / "groups.txt", Gbk("g1,家庭\r\ng2,工作\r\n"));
        WriteFile(m_dir / "items.txt", Gbk("g1,nb7,购物清单\ng2,nb8,会议\ng1,nb9,日记\n"));
        WriteFile(m_dir / "lishi.ini", "[load]\r\nmeige_time=7\r\nzuiduo_file=20\r\n");
        for (const char* name : {"20120101000000.txt", "20111231235959.txt", "20111231235959.bak"})
            WriteFile(m_dir / "data3" / "nb7" / name, "not a document");
        fs::create_directories(m_dir / "data3" / "nb7" / "sub");
    }
    void TearDown() override
    {
        m_form.reset();
        fs::remove_all(m_dir);
    }

    TForm1& Open(std::string argument, QRect workArea = kWorkArea)
    {
        FormEnvironment environment;
        environment.dataArgument = std::move(argument);
        environment.workArea = workArea;
        environment.messages = &m_sink;
        m_form = std::make_unique<TForm1>(std::move(environment));
        return *m_form;
    }
    TForm1& OpenData() { return Open(m_dir.string()); }

    const PlaceholderView& View() const
    {
        return dynamic_cast<const PlaceholderView&>(*m_form->VellumEdit1);
    }
    std::string NotebookDir() const { return (m_dir / "data3" / "nb7").string(); }

    // Group 家庭, notebook 购物清单, snapshot row ROW.
    void ChooseSnapshot(int row)
    {
        m_form->listbox1->setCurrentRow(0);
        m_form->ListBox2->setCurrentRow(0);
        m_form->ListBox3->setCurrentRow(row);
    }

    fs::path m_dir;
    RecordingSink m_sink;
    std::unique_ptr<TForm1> m_form;
};

const QString kRow1 = QString::fromUtf8("2011年12月31日 23点59分59秒 保存的");
const QString kRow2 = QString::fromUtf8("2012年01月01日 00点00分00秒 保存的");

TEST_F(MainWindowTest, LaysOutFromTheWorkArea)
{
    struct Case {
        QSize area;
        QRect view, listBox3, groupBox1, groupBox2;
    };
    const Case cases[] = {
        {{1280, 1040}, {256, 56, 1016, 787}, {8, 288, 241, 555}, {8, 856, 1264, 74},
         {8, 940, 1264, 73}},
        {{1024, 768}, {256, 56, 760, 515}, {8, 288, 241, 283}, {8, 584, 1008, 74},
         {8, 668, 1008, 73}},
        // Too small for the lists and the view: their sizes stop at zero.
        {{200, 400}, {256, 56, 0, 147}, {8, 288, 241, 0}, {8, 216, 184, 74}, {8, 300, 184, 73}},
    };
    for (const Case& c : cases) {
        TForm1& form = Open(std::string(), QRect(QPoint(0, 0), c.area));
        EXPECT_EQ(form.VellumEdit1->Widget()->geometry(), c.view) << c.area.height();
        EXPECT_EQ(form.ListBox3->geometry(), c.listBox3) << c.area.height();
        EXPECT_EQ(form.GroupBox1->geometry(), c.groupBox1) << c.area.height();
        EXPECT_EQ(form.GroupBox2->geometry(), c.groupBox2) << c.area.height();
    }
    TForm1& form = Open(std::string());
    EXPECT_EQ(form.VellumEdit1->Widget()->geometry().bottom() + 1, 843);
    EXPECT_EQ(form.ListBox3->geometry().bottom() + 1, 843);
    EXPECT_EQ(form.listbox1->geometry(), QRect(8, 56, 241, 89));
    EXPECT_EQ(form.ListBox2->geometry(), QRect(8, 152, 241, 129));
    EXPECT_EQ(form.Edit1->geometry(), QRect(145, 42, 40, 20));
    EXPECT_EQ(form.Edit2->geometry(), QRect(390, 42, 40, 20));
    EXPECT_EQ(form.Button1->geometry(), QRect(504, 41, 42, 22));
    EXPECT_EQ(form.Label3->pos(), QPoint(512, 35));
    EXPECT_EQ(form.Label4->pos(), QPoint(7, 19));
}

TEST_F(MainWindowTest, ShortLabelTextsBelowNineHundredPixels)
{
    const struct {
        int width;
        ExplanatoryTexts expected;
    } cases[] = {{899, ShortExplanatoryTexts()}, {900, LongExplanatoryTexts()},
                 {1280, LongExplanatoryTexts()}};
    for (const auto& c : cases) {
        TForm1& form = Open(std::string(), QRect(0, 0, c.width, 1040));
        EXPECT_EQ(form.Label8->text(), c.expected.label8) << c.width;
        EXPECT_EQ(form.Label9->text(), c.expected.label9) << c.width;
        EXPECT_EQ(form.Label4->text(), c.expected.label4) << c.width;
    }
    EXPECT_NE(ShortExplanatoryTexts().label4, LongExplanatoryTexts().label4);
    EXPECT_EQ(LongExplanatoryTexts().label4.count(u'\n'), 2);
}

TEST_F(MainWindowTest, WithoutArgumentEverythingStaysEmpty)
{
    TForm1& form = Open(std::string());
    EXPECT_EQ(form.listbox1->count(), 0);
    EXPECT_EQ(form.ListBox2->count(), 0);
    EXPECT_EQ(form.ListBox3->count(), 0);
    EXPECT_EQ(form.Edit1->text(), "3");
    EXPECT_EQ(form.Edit2->text(), "50");
    EXPECT_TRUE(form.Label3->text().isEmpty());
    EXPECT_TRUE(form.DataDir.empty());
    EXPECT_TRUE(View().LoadedPath().empty());
    EXPECT_TRUE(m_sink.errors.empty());
    EXPECT_EQ(form.windowTitle(), "Wenlocke");
}

TEST_F(MainWindowTest, RelativeArgumentLiesBelowTheProgramFolder)
{
    FormEnvironment environment;
    environment.dataArgument = m_dir.filename().string();
    environment.programFolder = m_dir.parent_path().string() + "/";
    environment.workArea = kWorkArea;
    environment.messages = &m_sink;
    TForm1 form(std::move(environment));
    EXPECT_EQ(form.DataDir, m_dir.string() + "/");
    EXPECT_EQ(form.listbox1->count(), 2);
}

TEST_F(MainWindowTest, ClickingGroupNotebookAndSnapshot)
{
    TForm1& form = OpenData();
    EXPECT_EQ(form.DataDir, m_dir.string() + "/");
    EXPECT_EQ(Rows(form.listbox1), QStringList({QString::fromUtf8("家庭(分组)"),
                                                 QString::fromUtf8("工作(分组)")}));
    EXPECT_EQ(form.Edit1->text(), "7");
    EXPECT_EQ(form.Edit2->text(), "20");

    form.listbox1->setCurrentRow(0);
    EXPECT_EQ(Rows(form.ListBox2),
              QStringList({QString::fromUtf8("购物清单"), QString::fromUtf8("日记")}));
    EXPECT_EQ(form.ListBox3->count(), 0);

    form.ListBox2->setCurrentRow(0);
    EXPECT_EQ(form.SnapshotDir, NotebookDir());
    // Sorted oldest first; the .bak file is listed under its stamp; the plain folder is not.
    EXPECT_EQ(Rows(form.ListBox3), QStringList({kRow1, kRow1, kRow2}));
    EXPECT_TRUE(form.Label3->text().isEmpty());

    form.ListBox3->setCurrentRow(2);
    EXPECT_EQ(form.Label3->text(), QString::fromUtf8("现在打开的文档是：") + kRow2);
    EXPECT_EQ(View().LoadedPath(), NotebookDir() + "/20120101000000.txt");
    // Both rows of the .txt/.bak pair open the .txt file.
    for (int row : {1, 0}) {
        form.ListBox3->setCurrentRow(row);
        EXPECT_EQ(View().LoadedPath(), NotebookDir() + "/20111231235959.txt") << row;
    }
    EXPECT_TRUE(m_sink.errors.empty());
    EXPECT_TRUE(m_sink.messages.empty());
}

TEST_F(MainWindowTest, AnotherGroupKeepsSnapshotsAndView)
{
    TForm1& form = OpenData();
    ChooseSnapshot(2);
    const QString label = form.Label3->text();
    form.listbox1->setCurrentRow(1);
    EXPECT_EQ(Rows(form.ListBox2), QStringList({QString::fromUtf8("会议")}));
    EXPECT_EQ(form.ListBox3->count(), 3);
    EXPECT_EQ(form.Label3->text(), label);
    EXPECT_EQ(View().LoadedPath(), NotebookDir() + "/20120101000000.txt");
    // A notebook without a snapshot folder empties the list, but not the view.
    form.ListBox2->setCurrentRow(0);
    EXPECT_EQ(form.ListBox3->count(), 0);
    EXPECT_EQ(form.SnapshotDir, (m_dir / "data3" / "nb8").string());
    EXPECT_EQ(form.Label3->text(), label);
}

TEST_F(MainWindowTest, VanishedSnapshotEmptiesViewAndStillNamesRow)
{
    TForm1& form = OpenData();
    ChooseSnapshot(2);
    ASSERT_FALSE(View().LoadedPath().empty());
    fs::remove(m_dir / "data3" / "nb7" / "20111231235959.txt");
    form.ListBox3->setCurrentRow(0);
    EXPECT_EQ(form.Label3->text(), QString::fromUtf8("现在打开的文档是：") + kRow1);
    EXPECT_TRUE(View().LoadedPath().empty());
    EXPECT_TRUE(m_sink.errors.empty());
}

TEST_F(MainWindowTest, HandlersNeedASelectedRow)
{
    TForm1& form = OpenData();
    form.listbox1->setCurrentRow(0);
    form.listbox1->clearSelection();
    form.ListBox1Click();
    form.ListBox2Click();
    form.ListBox3Click();
    EXPECT_EQ(form.ListBox2->count(), 2);
    EXPECT_TRUE(form.SnapshotDir.empty());
    EXPECT_TRUE(form.Label3->text().isEmpty());
}

TEST_F(MainWindowTest, MissingGroupListStillShowsStoredSettings)
{
    fs::remove(m_dir / "groups.txt");
    TForm1& form = OpenData();
    EXPECT_EQ(form.listbox1->count(), 0);
    // The stored values, not 3 and 50, so that confirming cannot overwrite them unseen.
    EXPECT_EQ(form.Edit1->text(), "7");
    EXPECT_EQ(form.Edit2->text(), "20");
    ASSERT_EQ(m_sink.errors.size(), 1u);
    const QString expectedStart =
        QString::fromUtf8("Cannot open file \"") + QString::fromStdString(m_dir.string()) + "/groups.txt\". ";
    EXPECT_TRUE(m_sink.errors[0].startsWith(expectedStart)) << m_sink.errors[0].toStdString();
    EXPECT_TRUE(m_sink.errors[0].endsWith(u'.'));
}

TEST_F(MainWindowTest, CatalogErrorsEndTheHandlerAndKeepItsRows)
{
    WriteFile(m_dir / "groups.txt", Gbk("g1,家庭\r\n\r\ng2,工作\r\n"));
    TForm1& form = OpenData();
    EXPECT_EQ(Rows(form.listbox1), QStringList({QString::fromUtf8("家庭(分组)")}));
    EXPECT_EQ(m_sink.errors, std::vector<QString>({"List index out of bounds (1)"}));

    WriteFile(m_dir / "items.txt", Gbk("g1,nb7,购物清单\ng1,nb9\ng1,nb10,x\n"));
    form.listbox1->setCurrentRow(0);
    EXPECT_EQ(Rows(form.ListBox2), QStringList({QString::fromUtf8("购物清单")}));
    ASSERT_EQ(m_sink.errors.size(), 2u);
    EXPECT_EQ(m_sink.errors[1], "List index out of bounds (2)");

    fs::remove(m_dir / "items.txt");
    form.listbox1->clearSelection();
    form.listbox1->setCurrentRow(0);
    EXPECT_EQ(form.ListBox2->count(), 0);
    ASSERT_EQ(m_sink.errors.size(), 3u);
    EXPECT_TRUE(m_sink.errors[2].startsWith("Cannot open file \"")) << m_sink.errors[2].toStdString();
}

TEST_F(MainWindowTest, ConfirmWritesValidValuesOnly)
{
    const QString saved = QString::fromUtf8("设置成功，下次打开记事本将生效。");
    const QString badNumber = QString::fromUtf8("数字格式不对，请重新设置。");
    const QString tooSmall = QString::fromUtf8("值太小，请重新设置。");
    const struct {
        const char* interval;
        const char* count;
        QString message;
        const char* storedInterval;
        const char* storedCount;
    } cases[] = {
        {"1", "1", saved, "1", "1"},
        {"007", "$A", saved, "7", "10"},
        {"0", "5", tooSmall, "7", "20"},
        {"5", "-5", tooSmall, "7", "20"},
        {"", "5", badNumber, "7", "20"},
        {"12a", "5", badNumber, "7", "20"},
        {"5", "12 ", badNumber, "7", "20"},
        {"5", "99999999999", badNumber, "7", "20"},
    };
    for (const auto& c : cases) {
        SetUp();
        TForm1& form = OpenData();
        form.Edit1->setText(c.interval);
        form.Edit2->setText(c.count);
        form.Button1->click();
        ASSERT_EQ(m_sink.messages.size(), 1u) << c.interval << "/" << c.count;
        EXPECT_EQ(m_sink.messages[0], c.message) << c.interval << "/" << c.count;
        const std::string ini = ReadFile(m_dir / "lishi.ini");
        EXPECT_NE(ini.find(std::string("meige_time=") + c.storedInterval), std::string::npos) << ini;
        EXPECT_NE(ini.find(std::string("zuiduo_file=") + c.storedCount), std::string::npos) << ini;
        // The fields keep what the user typed.
        EXPECT_EQ(form.Edit1->text(), c.interval);
        m_sink.messages.clear();
    }
}

TEST_F(MainWindowTest, ControlsLookAndTabOrder)
{
    TForm1& form = Open(std::string());
    EXPECT_EQ(form.Label3->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(form.listbox1->font().pixelSize(), 12);
    EXPECT_TRUE(form.Label1->font().bold());
    EXPECT_EQ(form.Label1->font().pixelSize(), 16);
    // "宋体" must reach an installed family with Chinese glyphs, not a Latin fallback.
    const QString family = QFontInfo(form.listbox1->font()).family();
    EXPECT_TRUE(family.contains("UMing") || family.contains("CJK")) << family.toStdString();

    std::vector<QWidget*> chain;
    for (QWidget* w = form.VellumEdit1->Widget(); chain.size() < 7; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w);
    }
    const std::vector<QWidget*> expected = {form.VellumEdit1->Widget(), form.listbox1,
                                            form.ListBox2, form.ListBox3, form.Edit1,
                                            form.Edit2, form.Button1};
    EXPECT_EQ(chain, expected);
}

} // namespace
} // namespace wenlocke
