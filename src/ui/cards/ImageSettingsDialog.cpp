#include "ui/cards/ImageSettingsDialog.h"

#include "core/app/Preferences.h"
#include "core/cards/DetailLayout.h"
#include "core/cards/PictureBox.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "ui/cards/ResizablePanel.h"
#include "ui/common/Interaction.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int PanelTop = 88;
constexpr int EditTop = 46;
constexpr int EditWidth = 50;
constexpr int EditHeight = 22;
} // namespace

ImageSettingsDialog::ImageSettingsDialog(Preferences &preferences, Interaction &interaction,
                                         const UiTextTable &texts, QWidget *parent)
    : QDialog(parent)
    , m_preferences(preferences)
    , m_interaction(interaction)
    , m_texts(texts)
{
    // Created in the order they take focus and stack.
    m_instructionLabel = new QLabel(texts.string(UiText::ImageSettingsInstruction), this);
    auto *widthLabel = new QLabel(texts.string(UiText::ImageWidth), this);
    auto *heightLabel = new QLabel(texts.string(UiText::ImageHeight), this);
    widthEdit = new QLineEdit(this);
    heightEdit = new QLineEdit(this);
    // A screen reader names each field by its label.
    widthLabel->setBuddy(widthEdit);
    heightLabel->setBuddy(heightEdit);
    applyButton = new QPushButton(texts.string(UiText::Apply), this);
    previewFrame = new QFrame(this);
    textFieldPanel = new ResizablePanel(texts.string(UiText::TextField), this);
    keepStraightCheck = new QCheckBox(texts.string(UiText::DoNotReverseImage), this);
    keepActualSizeCheck = new QCheckBox(texts.string(UiText::DoNotEnlargeImage), this);
    // Save and Cancel stand where the card window has its Save and Close.
    m_buttons = new QDialogButtonBox(this);
    saveButton =
        m_buttons->addButton(texts.buttonString(UiText::MenuSave), QDialogButtonBox::AcceptRole);
    cancelButton = m_buttons->addButton(texts.string(UiText::Cancel), QDialogButtonBox::RejectRole);
    for (QPushButton *button : {saveButton, cancelButton})
        button->setFixedSize(DetailLayout::ButtonSize);
    setObjectName(QStringLiteral("ImageSettingsDialog"));
    m_instructionLabel->setObjectName(QStringLiteral("instructionLabel"));
    widthLabel->setObjectName(QStringLiteral("widthLabel"));
    heightLabel->setObjectName(QStringLiteral("heightLabel"));
    widthEdit->setObjectName(QStringLiteral("widthEdit"));
    heightEdit->setObjectName(QStringLiteral("heightEdit"));
    applyButton->setObjectName(QStringLiteral("applyButton"));
    previewFrame->setObjectName(QStringLiteral("previewFrame"));
    textFieldPanel->setObjectName(QStringLiteral("textFieldPanel"));
    keepStraightCheck->setObjectName(QStringLiteral("keepStraightCheck"));
    keepActualSizeCheck->setObjectName(QStringLiteral("keepActualSizeCheck"));
    saveButton->setObjectName(QStringLiteral("saveButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    setWindowTitle(texts.string(UiText::ImageSettingsCaption));

    keepStraightCheck->setChecked(m_preferences.keepStraight());
    keepActualSizeCheck->setChecked(m_preferences.keepActual());
    widthEdit->setText(QString::number(m_preferences.cardWidth()));
    heightEdit->setText(QString::number(m_preferences.cardHeight()));

    m_instructionLabel->setWordWrap(true);
    m_instructionLabel->setGeometry(24, 6, m_preferences.detailWidth() - 48, 36);
    widthLabel->setGeometry(24, EditTop, 50, EditHeight);
    widthEdit->setGeometry(76, EditTop, EditWidth, EditHeight);
    heightLabel->setGeometry(140, EditTop, 50, EditHeight);
    heightEdit->setGeometry(192, EditTop, EditWidth, EditHeight);
    applyButton->setGeometry(QRect(QPoint(256, EditTop - 1), DetailLayout::ButtonSize));
    applyButton->setDefault(true);

    // The preview stands for the picture: white with a thin black border.
    previewFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    previewFrame->setLineWidth(1);
    QPalette previewColours = previewFrame->palette();
    previewColours.setColor(QPalette::Window, Qt::white);
    previewColours.setColor(QPalette::WindowText, Qt::black);
    previewFrame->setPalette(previewColours);
    previewFrame->setAutoFillBackground(true);
    previewFrame->setGeometry(DetailLayout::PictureLeft, DetailLayout::ContentTop,
                              m_preferences.cardWidth(), m_preferences.cardHeight());

    textFieldPanel->setMinimumDragSize(QSize(0, 0));
    textFieldPanel->setGeometry(m_preferences.detailWidth() - m_preferences.meaningPanelWidth() -
                                    DetailLayout::MeaningRightGap,
                                PanelTop, m_preferences.meaningPanelWidth(),
                                m_preferences.meaningPanelHeight());
    for (QCheckBox *box : {keepStraightCheck, keepActualSizeCheck})
        box->resize(200, 20);

    resize(m_preferences.detailWidth(), m_preferences.detailHeight());
    layOutControls();

    connect(applyButton, &QPushButton::clicked, this, &ImageSettingsDialog::applyPictureSize);
    connect(saveButton, &QPushButton::clicked, this, &ImageSettingsDialog::saveSettings);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(textFieldPanel, &ResizablePanel::resizedByUser, this,
            &ImageSettingsDialog::keepPanelAtRightEdge);
}

void ImageSettingsDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layOutControls();
}

void ImageSettingsDialog::layOutControls()
{
    const int w = width();
    const int h = height();
    m_instructionLabel->resize(w - 48, m_instructionLabel->height());
    keepStraightCheck->move(w - 214, h - 130);
    keepActualSizeCheck->move(w - 214, h - 100);
    const DetailLayout layout(size(), previewFrame->size(), textFieldPanel->size());
    const QRect save = layout.leftButtonRect();
    const QRect cancel = layout.rightButtonRect();
    m_buttons->layout()->setSpacing(cancel.left() - save.right() - 1);
    m_buttons->setGeometry(save | cancel);
    textFieldPanel->move(w - textFieldPanel->width() - DetailLayout::MeaningRightGap,
                         textFieldPanel->y());
}

void ImageSettingsDialog::keepPanelAtRightEdge()
{
    textFieldPanel->move(width() - textFieldPanel->width() - DetailLayout::MeaningRightGap,
                         PanelTop);
}

void ImageSettingsDialog::applyPictureSize()
{
    int previewWidth = 0;
    int previewHeight = 0;
    if (!PictureBox::parseSide(widthEdit->text(), previewWidth) ||
        !PictureBox::parseSide(heightEdit->text(), previewHeight)) {
        m_interaction.showMessage(this, m_texts.string(UiText::SizeNotWholeNumber));
        return;
    }
    previewFrame->setGeometry(DetailLayout::PictureLeft, DetailLayout::ContentTop, previewWidth,
                              previewHeight);
}

void ImageSettingsDialog::saveSettings()
{
    m_preferences.setCardWidth(previewFrame->width());
    m_preferences.setCardHeight(previewFrame->height());
    m_preferences.setDetailWidth(width());
    m_preferences.setDetailHeight(height());
    m_preferences.setKeepStraight(keepStraightCheck->isChecked());
    m_preferences.setKeepActual(keepActualSizeCheck->isChecked());
    m_preferences.setMeaningPanelWidth(textFieldPanel->width());
    m_preferences.setMeaningPanelHeight(textFieldPanel->height());
    accept();
}
