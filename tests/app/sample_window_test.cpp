// The window on a copy of the bundled sample data folder, clicked through as a user would.
#include "app/main_window.h"

#include "app/placeholder_view.h"
#include "app/startup.h"
#include "window_test_util.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace wenlocke {
namespace {

namespace fs = std::filesystem;

using testing::RecordingSink;

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class SampleWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::EnsureApplication();
        const fs::path sample = fs::path(WENLOCKE_BIN_DIR) / "sample";
        ASSERT_TRUE(fs::exists(sample / "groups.txt")) << "build the sample_data target first";
        m_dir = fs::temp_directory_path() / ("wenlocke_sample_" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::copy(sample, m_dir, fs::copy_options::recursive);
        FormEnvironment environment;
        environment.dataArgument = m_dir.string();
        environment.workArea = QRect(0, 0, 1280, 1040);
        environment.messages = &m_sink;
        m_form = std::make_unique<TForm1>(std::move(environment));
    }
    void TearDown() override
    {
        m_form.reset();
        fs::remove_all(m_dir);
    }

    fs::path m_dir;
    RecordingSink m_sink;
    std::unique_ptr<TForm1> m_form;
};

TEST_F(SampleWindowTest, ClickThroughEveryGroup)
{
    TForm1& form = *m_form;
    ASSERT_EQ(form.listbox1->count(), 3);
    EXPECT_EQ(form.listbox1->item(0)->text(), U("家庭(分组)"));
    EXPECT_EQ(form.listbox1->item(2)->text(), U("学习(分组)"));
    EXPECT_EQ(form.Edit1->text(), "5");
    EXPECT_EQ(form.Edit2->text(), "40");

    const int notebooks[] = {2, 3, 1};
    for (int group = 0; group < 3; ++group) {
        form.listbox1->setCurrentRow(group);
        EXPECT_EQ(form.ListBox2->count(), notebooks[group]) << group;
        form.ListBox2->setCurrentRow(0);
        ASSERT_GT(form.ListBox3->count(), 0) << group;
        for (int row = 1; row < form.ListBox3->count(); ++row)
            EXPECT_LT(form.ListBox3->item(row - 1)->text(), form.ListBox3->item(row)->text());
        form.ListBox3->setCurrentRow(0);
        const auto& view = dynamic_cast<const PlaceholderView&>(*form.VellumEdit1);
        EXPECT_TRUE(fs::exists(view.LoadedPath())) << view.LoadedPath();
        EXPECT_EQ(form.Label3->text(), U("现在打开的文档是：") + form.ListBox3->item(0)->text());
    }
    // The study group's notebook is named by a Chinese id; its folder is found all the same.
    EXPECT_EQ(form.SnapshotDir, (m_dir / "data3" / "读书").string());
    EXPECT_TRUE(m_sink.errors.empty());
}

TEST_F(SampleWindowTest, FirstSnapshotOfShoppingList)
{
    TForm1& form = *m_form;
    form.listbox1->setCurrentRow(0);
    EXPECT_EQ(form.ListBox2->item(0)->text(), U("购物清单"));
    EXPECT_EQ(form.ListBox2->item(1)->text(), U("我的日记"));
    form.ListBox2->setCurrentRow(0);
    ASSERT_EQ(form.ListBox3->count(), 8);
    EXPECT_EQ(form.ListBox3->item(0)->text(), U("2024年03月11日 08点15分02秒 保存的"));
    form.ListBox3->setCurrentRow(7);
    const auto& view = dynamic_cast<const PlaceholderView&>(*form.VellumEdit1);
    EXPECT_EQ(view.LoadedPath(), (m_dir / "data3" / "1001" / "20240316095844.txt").string());
}

TEST_F(SampleWindowTest, ConfirmRewritesTheCopiedSettings)
{
    m_form->Edit1->setText("9");
    m_form->Edit2->setText("0x20");
    m_form->Button1->click();
    ASSERT_EQ(m_sink.messages.size(), 1u);
    EXPECT_EQ(m_sink.messages[0], U("设置成功，下次打开记事本将生效。"));
    std::ifstream in(m_dir / "lishi.ini");
    const std::string ini((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(ini.find("meige_time=9"), std::string::npos) << ini;
    EXPECT_NE(ini.find("zuiduo_file=32"), std::string::npos) << ini;
}

} // namespace
} // namespace wenlocke
