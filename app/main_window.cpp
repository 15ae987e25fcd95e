#include "app/main_window.h"

#include "app/form_layout.h"
#include "app/form_texts.h"
#include "app/placeholder_view.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>

namespace wenlocke {
namespace {

constexpr int kListRowHeight = 12;

QString Text(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QFont SongFont(int pixels, bool bold = false)
{
    QFont font(Text(u"宋体"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont ArialFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// List rows are exactly 12 pixels high, whatever the font's own line height.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight);
    }
};

QListWidget* MakeList(QWidget* parent, const QRect& rect)
{
    auto* list = new QListWidget(parent);
    list->setGeometry(rect);
    list->setFont(SongFont(12));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new FixedRowDelegate(list));
    return list;
}

QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QRect& rect, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setFont(SongFont(12));
    edit->setGeometry(rect);
    return edit;
}

QGroupBox* MakeGroupBox(QWidget* parent, const QString& caption)
{
    auto* box = new QGroupBox(caption, parent);
    box->setFont(SongFont(12));
    return box;
}

QRect PrimaryWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

TForm1::TForm1(FormEnvironment environment, QWidget* parent)
    : QWidget(parent), m_environment(std::move(environment))
{
    m_messages = m_environment.messages;
    if (!m_messages) {
        m_ownMessages = std::make_unique<QtMessageSink>(this);
        m_messages = m_ownMessages.get();
    }
    setWindowTitle(Text(form_text::kCaption));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);
    CreateControls();
    FormCreate();
}

// The view goes before the base class deletes the remaining children.
TForm1::~TForm1() = default;

void TForm1::CreateControls()
{
    const SnapshotViewFactory makeView =
        m_environment.makeView ? m_environment.makeView : SnapshotViewFactory(MakePlaceholderView);
    m_view = makeView(this);
    VellumEdit1 = m_view.get();
    VellumEdit1->Widget()->setGeometry(256, 56, 0, 0);
    CreateTopControls();
    CreateGroupBox1();
    CreateGroupBox2();
    SetTabOrder();
    ConnectHandlers();
}

void TForm1::CreateTopControls()
{
    listbox1 = MakeList(this, QRect(8, 56, 241, 89));
    ListBox2 = MakeList(this, QRect(8, 152, 241, 129));
    ListBox3 = MakeList(this, QRect(8, 288, 241, 0));
    GroupBox1 = MakeGroupBox(this, Text(form_text::kGroupBox1));
    GroupBox2 = MakeGroupBox(this, Text(form_text::kGroupBox2));
    Label1 = MakeLabel(this, 265, 9, Text(form_text::kLabel1), SongFont(16, true));
    Label2 = MakeLabel(this, 8, 35, Text(form_text::kLabel2), SongFont(12));
    Label3 = MakeLabel(this, 512, 35, QString(), SongFont(12));
    SetTextColour(Label3, Qt::blue);
}

void TForm1::CreateGroupBox1()
{
    const ExplanatoryTexts texts = LongExplanatoryTexts();
    Label8 = MakeLabel(GroupBox1, 7, 23, texts.label8, SongFont(12));
    Label5 = MakeLabel(GroupBox1, 7, 46, Text(form_text::kLabel5), SongFont(12));
    Edit1 = MakeEdit(GroupBox1, QRect(145, 42, 40, 20), Text(form_text::kEdit1Default));
    Label6 = MakeLabel(GroupBox1, 192, 46, Text(form_text::kLabel6), SongFont(12));
    Edit2 = MakeEdit(GroupBox1, QRect(390, 42, 40, 20), Text(form_text::kEdit2Default));
    Label7 = MakeLabel(GroupBox1, 437, 46, Text(form_text::kLabel7), SongFont(12));
    Button1 = new QPushButton(Text(form_text::kButton1), GroupBox1);
    Button1->setFont(SongFont(12));
    Button1->setGeometry(504, 41, 42, 22);
    Label9 = MakeLabel(GroupBox1, 568, 46, texts.label9, SongFont(12));
}

void TForm1::CreateGroupBox2()
{
    Label4 = MakeLabel(GroupBox2, 7, 19, LongExplanatoryTexts().label4, ArialFont(12));
    SetTextColour(Label4, Qt::black);
}

void TForm1::SetTabOrder()
{
    QWidget* order[] = {VellumEdit1->Widget(), listbox1, ListBox2, ListBox3, Edit1, Edit2, Button1};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm1::ConnectHandlers()
{
    connect(listbox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
    connect(ListBox3, &QListWidget::itemSelectionChanged, this, [this] { ListBox3Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

// The work area is read once; the window is not laid out again when the screen changes.
void TForm1::ApplyWorkAreaLayout()
{
    m_workArea = m_environment.workArea ? *m_environment.workArea : PrimaryWorkArea();
    const FormLayout layout = ComputeFormLayout(m_workArea.size());
    VellumEdit1->Widget()->setGeometry(layout.vellumEdit1);
    ListBox3->setGeometry(layout.listBox3);
    GroupBox1->setGeometry(layout.groupBox1);
    GroupBox2->setGeometry(layout.groupBox2);
    const ExplanatoryTexts texts = ExplanatoryTextsForWidth(m_workArea.width());
    Label8->setText(texts.label8);
    Label9->setText(texts.label9);
    Label4->setText(texts.label4);
    for (QLabel* label : {Label8, Label9, Label4})
        label->adjustSize();
}

void TForm1::SetLabel3(const QString& text)
{
    Label3->setText(text);
    Label3->adjustSize();
}

} // namespace wenlocke
