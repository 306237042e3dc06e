#include "ui/reports/PrintSettingsDialog.h"

#include "core/app/Preferences.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/reports/ReportWriter.h"
#include "ui/common/Interaction.h"
#include "ui/common/OkCancelButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr QSize ClientSize{431, 340};
} // namespace

PrintSettingsDialog::PrintSettingsDialog(const Preferences &preferences,
                                         const QString &defaultFolder, const UiTextTable &texts,
                                         Interaction &interaction, QWidget *parent)
    : QDialog(parent)
    , m_texts(texts)
    , m_interaction(interaction)
    , m_defaultFolder(QDir::cleanPath(defaultFolder))
{
    setObjectName(QStringLiteral("PrintSettingsDialog"));
    setWindowTitle(texts.string(UiText::PrintSettingsCaption));

    formatGroup = new QGroupBox(this);
    wordButton = new QRadioButton(texts.string(UiText::PrintWord), formatGroup);
    htmlButton = new QRadioButton(texts.string(UiText::PrintHtml), formatGroup);
    openDocumentButton = new QRadioButton(texts.string(UiText::PrintOpenOffice), formatGroup);
    pdfButton = new QRadioButton(texts.string(UiText::PrintPdf), formatGroup);
    printerButton = new QRadioButton(texts.string(UiText::PrintOnPrinter), formatGroup);
    formatNotice = new QLabel(texts.string(UiText::ReportFormatUnavailable), formatGroup);
    formatNotice->setWordWrap(true);
    m_formats = new QButtonGroup(this);
    m_formats->addButton(wordButton, int(ReportWriter::Format::Word));
    m_formats->addButton(htmlButton, int(ReportWriter::Format::Html));
    m_formats->addButton(openDocumentButton, int(ReportWriter::Format::OpenDocument));
    m_formats->addButton(pdfButton, int(ReportWriter::Format::Pdf));
    m_formats->addButton(printerButton, int(ReportWriter::Format::Printer));
    auto *formatLayout = new QVBoxLayout(formatGroup);
    for (QWidget *widget :
         {static_cast<QWidget *>(wordButton), static_cast<QWidget *>(htmlButton),
          static_cast<QWidget *>(openDocumentButton), static_cast<QWidget *>(pdfButton),
          static_cast<QWidget *>(printerButton), static_cast<QWidget *>(formatNotice)})
        formatLayout->addWidget(widget);

    spreadViewCheck = new QCheckBox(texts.string(UiText::PrintSpreadView), this);
    spreadViewGroup = new QGroupBox(this);
    schematicButton = new QRadioButton(texts.string(UiText::SchematicView), spreadViewGroup);
    miniaturesButton = new QRadioButton(texts.string(UiText::SmallCardImages), spreadViewGroup);
    auto *spreadViewLayout = new QVBoxLayout(spreadViewGroup);
    spreadViewLayout->addWidget(schematicButton);
    spreadViewLayout->addWidget(miniaturesButton);
    bigCardsCheck = new QCheckBox(texts.string(UiText::PrintFullSizeImages), this);
    explanationsCheck = new QCheckBox(texts.string(UiText::PrintExplanations), this);
    compactCheck = new QCheckBox(texts.string(UiText::PrintCompact), this);
    folderLabel = new QLabel(this);
    folderLabel->setWordWrap(true);
    saveInButton = new QPushButton(texts.string(UiText::SaveIn), this);
    commentsLabel = new QLabel(texts.string(UiText::HtmlComments), this);
    commentsEdit = new QPlainTextEdit(this);
    commentsLabel->setBuddy(commentsEdit);
    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);

    formatGroup->setObjectName(QStringLiteral("formatGroup"));
    wordButton->setObjectName(QStringLiteral("wordButton"));
    htmlButton->setObjectName(QStringLiteral("htmlButton"));
    openDocumentButton->setObjectName(QStringLiteral("openDocumentButton"));
    pdfButton->setObjectName(QStringLiteral("pdfButton"));
    printerButton->setObjectName(QStringLiteral("printerButton"));
    formatNotice->setObjectName(QStringLiteral("formatNotice"));
    spreadViewCheck->setObjectName(QStringLiteral("spreadViewCheck"));
    spreadViewGroup->setObjectName(QStringLiteral("spreadViewGroup"));
    schematicButton->setObjectName(QStringLiteral("schematicButton"));
    miniaturesButton->setObjectName(QStringLiteral("miniaturesButton"));
    bigCardsCheck->setObjectName(QStringLiteral("bigCardsCheck"));
    explanationsCheck->setObjectName(QStringLiteral("explanationsCheck"));
    compactCheck->setObjectName(QStringLiteral("compactCheck"));
    folderLabel->setObjectName(QStringLiteral("folderLabel"));
    saveInButton->setObjectName(QStringLiteral("saveInButton"));
    commentsLabel->setObjectName(QStringLiteral("commentsLabel"));
    commentsEdit->setObjectName(QStringLiteral("commentsEdit"));

    auto *optionsLayout = new QVBoxLayout;
    optionsLayout->addWidget(spreadViewCheck);
    optionsLayout->addWidget(spreadViewGroup);
    optionsLayout->addWidget(bigCardsCheck);
    optionsLayout->addWidget(explanationsCheck);
    optionsLayout->addWidget(compactCheck);
    optionsLayout->addStretch();
    auto *topLayout = new QHBoxLayout;
    topLayout->addWidget(formatGroup, 1);
    topLayout->addLayout(optionsLayout, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(topLayout);
    layout->addWidget(commentsLabel);
    layout->addWidget(commentsEdit, 1);
    auto *folderLayout = new QHBoxLayout;
    folderLayout->addWidget(folderLabel, 1);
    folderLayout->addWidget(saveInButton);
    layout->addLayout(folderLayout);
    layout->addWidget(buttons);
    resize(ClientSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_formats, &QButtonGroup::idToggled, this, [this] { applyEnableRules(); });
    connect(spreadViewCheck, &QCheckBox::toggled, this, [this] { applyEnableRules(); });
    connect(saveInButton, &QPushButton::clicked, this, &PrintSettingsDialog::chooseFolder);

    load(preferences);
}

void PrintSettingsDialog::load(const Preferences &preferences)
{
    QAbstractButton *format = m_formats->button(int(preferences.reportFormat()));
    (format ? format : wordButton)->setChecked(true);
    spreadViewCheck->setChecked(preferences.printView());
    (preferences.printSchema() ? schematicButton : miniaturesButton)->setChecked(true);
    bigCardsCheck->setChecked(preferences.printBigCards());
    explanationsCheck->setChecked(preferences.printExplanations());
    compactCheck->setChecked(preferences.printCompact());
    setFolder(preferences.reportFolder().isEmpty() ? m_defaultFolder : preferences.reportFolder());
    commentsEdit->setPlainText(preferences.reportComments());
    applyEnableRules();
}

void PrintSettingsDialog::store(Preferences &preferences) const
{
    preferences.setReportFormat(ReportFormat(selectedFormat()));
    preferences.setPrintView(spreadViewCheck->isChecked());
    preferences.setPrintSchema(schematicButton->isChecked());
    preferences.setPrintBigCards(bigCardsCheck->isChecked());
    preferences.setPrintExplanations(explanationsCheck->isChecked());
    preferences.setPrintCompact(compactCheck->isChecked());
    // The default is kept as none, so it follows the data folders if they move.
    preferences.setReportFolder(m_folder == m_defaultFolder ? QString() : m_folder);
    preferences.setReportComments(commentsEdit->toPlainText());
}

int PrintSettingsDialog::selectedFormat() const
{
    const int format = m_formats->checkedId();
    return format < 0 ? int(ReportWriter::Format::Word) : format;
}

void PrintSettingsDialog::chooseFolder()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("reportFolderDialog"));
    dialog.setWindowTitle(m_texts.string(UiText::SaveIn));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(QFileInfo(m_folder).isDir() ? m_folder : QDir::homePath());
    if (m_interaction.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().first();
    if (QFileInfo(folder).isDir())
        setFolder(folder);
}

void PrintSettingsDialog::setFolder(const QString &folder)
{
    m_folder = QDir::cleanPath(folder);
    folderLabel->setText(
        m_texts.string(UiText::ReportFolder).arg(QDir::toNativeSeparators(m_folder)));
}

void PrintSettingsDialog::applyEnableRules()
{
    const auto format = ReportWriter::Format(selectedFormat());
    // Only the web page shows the comments.
    const bool html = format == ReportWriter::Format::Html;
    commentsLabel->setEnabled(html);
    commentsEdit->setEnabled(html);
    formatNotice->setVisible(format != ReportWriter::Format::Printer &&
                             !ReportWriter::forFormat(format));
    spreadViewGroup->setEnabled(spreadViewCheck->isChecked());
    // The printer keeps no file.
    const bool file = format != ReportWriter::Format::Printer;
    folderLabel->setEnabled(file);
    saveInButton->setEnabled(file);
}
