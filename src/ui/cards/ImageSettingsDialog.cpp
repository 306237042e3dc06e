#include "ui/cards/ImageSettingsDialog.h"

#include "core/app/TableState.h"
#include "core/cards/PictureBox.h"
#include "core/lang/UiText.h"
#include "ui/cards/ResizablePanel.h"
#include "ui/common/Interaction.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int PreviewLeft = 24;
constexpr int PreviewTop = 80;
constexpr int PanelTop = 88;
// The distance from the panel's right edge to the dialog's, as in the detail
// window.
constexpr int PanelRightGap = 29;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int EditTop = 46;
constexpr int EditWidth = 50;
constexpr int EditHeight = 22;
} // namespace

ImageSettingsDialog::ImageSettingsDialog(TableState &state, Interaction &interaction,
                                         QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(this))
    , Label2(new QLabel(this))
    , Label3(new QLabel(this))
    , Edit1(new QLineEdit(this))
    , Edit2(new QLineEdit(this))
    , BitBtn3(new QPushButton(this))
    , Preview(new QFrame(this))
    , FreePanel1(new ResizablePanel(QString(), this))
    , CheckBox1(new QCheckBox(this))
    , CheckBox2(new QCheckBox(this))
    , BitBtn2(new QPushButton(this))
    , BitBtn1(new QPushButton(this))
    , m_state(state)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("ImageSettingsDialog"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    Preview->setObjectName(QStringLiteral("Preview"));
    FreePanel1->setObjectName(QStringLiteral("FreePanel1"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

    setWindowTitle(uiText(UiText::ImageSettingsCaption));
    Label1->setText(uiText(UiText::ImageSettingsInstruction));
    Label2->setText(uiText(UiText::ImageWidth));
    Label3->setText(uiText(UiText::ImageHeight));
    BitBtn3->setText(uiText(UiText::Apply));
    BitBtn2->setText(uiText(UiText::MenuSave));
    BitBtn1->setText(uiText(UiText::Cancel));
    FreePanel1->setCaption(uiText(UiText::TextField));
    CheckBox1->setText(uiText(UiText::DoNotReverseImage));
    CheckBox2->setText(uiText(UiText::DoNotEnlargeImage));

    CheckBox1->setChecked(m_state.KeepStraight);
    CheckBox2->setChecked(m_state.KeepActual);
    Edit1->setText(QString::number(m_state.CardWidth));
    Edit2->setText(QString::number(m_state.CardHeight));

    Label1->setWordWrap(true);
    Label1->setGeometry(24, 6, m_state.DetailWidth - 48, 36);
    Label2->setGeometry(24, EditTop, 50, EditHeight);
    Edit1->setGeometry(76, EditTop, EditWidth, EditHeight);
    Label3->setGeometry(140, EditTop, 50, EditHeight);
    Edit2->setGeometry(192, EditTop, EditWidth, EditHeight);
    BitBtn3->setGeometry(256, EditTop - 1, ButtonWidth, ButtonHeight);
    BitBtn3->setDefault(true);

    // The preview stands for the picture: white with a thin black border.
    Preview->setFrameStyle(QFrame::Box | QFrame::Plain);
    Preview->setLineWidth(1);
    QPalette previewColours = Preview->palette();
    previewColours.setColor(QPalette::Window, Qt::white);
    previewColours.setColor(QPalette::WindowText, Qt::black);
    Preview->setPalette(previewColours);
    Preview->setAutoFillBackground(true);
    Preview->setGeometry(PreviewLeft, PreviewTop, m_state.CardWidth, m_state.CardHeight);

    FreePanel1->setMinimumDragSize(QSize(0, 0));
    FreePanel1->setGeometry(m_state.DetailWidth - m_state.MemoWidth - PanelRightGap, PanelTop,
                            m_state.MemoWidth, m_state.MemoHeight);
    for (QCheckBox *box : {CheckBox1, CheckBox2})
        box->resize(200, 20);

    resize(m_state.DetailWidth, m_state.DetailHeight);
    FormResize();

    connect(BitBtn3, &QPushButton::clicked, this, &ImageSettingsDialog::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &ImageSettingsDialog::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(FreePanel1, &ResizablePanel::resizedByUser, this,
            &ImageSettingsDialog::FreePanel1Resize);
}

void ImageSettingsDialog::run(TableState &state, Interaction &interaction, QWidget *parent)
{
    ImageSettingsDialog dialog(state, interaction, parent);
    interaction.execDialog(dialog);
}

QString ImageSettingsDialog::uiText(int index) const
{
    return QString::fromLocal8Bit(m_state.UiTexts.text(index));
}

void ImageSettingsDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void ImageSettingsDialog::FormResize()
{
    const int w = width();
    const int h = height();
    Label1->resize(w - 48, Label1->height());
    CheckBox1->move(w - 214, h - 130);
    CheckBox2->move(w - 214, h - 100);
    BitBtn1->setGeometry(w - 126, h - 70, ButtonWidth, ButtonHeight);
    BitBtn2->setGeometry(w - 222, h - 70, ButtonWidth, ButtonHeight);
    FreePanel1->move(w - FreePanel1->width() - PanelRightGap, FreePanel1->y());
}

void ImageSettingsDialog::FreePanel1Resize()
{
    FreePanel1->move(width() - FreePanel1->width() - PanelRightGap, PanelTop);
}

void ImageSettingsDialog::BitBtn3Click()
{
    int previewWidth = 0;
    int previewHeight = 0;
    if (!PictureBox::parseSide(Edit1->text(), previewWidth) ||
        !PictureBox::parseSide(Edit2->text(), previewHeight)) {
        m_interaction.showMessage(this, uiText(UiText::SizeNotWholeNumber));
        return;
    }
    Preview->setGeometry(PreviewLeft, PreviewTop, previewWidth, previewHeight);
}

void ImageSettingsDialog::BitBtn2Click()
{
    m_state.CardWidth = Preview->width();
    m_state.CardHeight = Preview->height();
    m_state.DetailWidth = width();
    m_state.DetailHeight = height();
    m_state.KeepStraight = CheckBox1->isChecked();
    m_state.KeepActual = CheckBox2->isChecked();
    m_state.MemoWidth = FreePanel1->width();
    m_state.MemoHeight = FreePanel1->height();
    accept();
}
