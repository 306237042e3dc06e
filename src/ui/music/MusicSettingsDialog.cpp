#include "ui/music/MusicSettingsDialog.h"

#include "core/app/Preferences.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// A menu command's text as a window title: without its trailing dots.
QString captionFrom(QString text)
{
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

MusicSettingsDialog::MusicSettingsDialog(const Preferences &preferences,
                                         const QString &fallbackFolder, const UiTextTable &texts,
                                         Interaction &interaction,
                                         std::function<void()> editAssociations, QWidget *parent)
    : QDialog(parent)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("MusicSettingsDialog"));
    setWindowTitle(captionFrom(texts.string(UiText::MenuMusicSettings)));

    auto *folderLabel = new QLabel(texts.string(UiText::MusicFolder), this);
    folderEdit = new QLineEdit(this);
    folderEdit->setObjectName(QStringLiteral("folderEdit"));
    folderEdit->setReadOnly(true);
    folderLabel->setBuddy(folderEdit);
    chooseFolderButton = new QPushButton(texts.string(UiText::ChooseMusicFolder), this);
    chooseFolderButton->setObjectName(QStringLiteral("chooseFolderButton"));
    chooseFolderButton->setAutoDefault(false);
    fileList = new QListWidget(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->setMinimumSize(320, 200);

    associateButton = new QPushButton(texts.string(UiText::AssociateSpreadsWithMusic), this);
    associateButton->setObjectName(QStringLiteral("associateButton"));
    associateButton->setAutoDefault(false);
    ignoreCheck = new QCheckBox(texts.string(UiText::IgnoreAssociations), this);
    ignoreCheck->setObjectName(QStringLiteral("ignoreCheck"));

    auto *modeBox = new QGroupBox(texts.string(UiText::PlayModeGroup), this);
    selectedFileRadio = new QRadioButton(texts.string(UiText::PlaySelectedFile), modeBox);
    selectedFileRadio->setObjectName(QStringLiteral("selectedFileRadio"));
    inOrderRadio = new QRadioButton(texts.string(UiText::PlayInOrder), modeBox);
    inOrderRadio->setObjectName(QStringLiteral("inOrderRadio"));
    randomRadio = new QRadioButton(texts.string(UiText::PlayRandom), modeBox);
    randomRadio->setObjectName(QStringLiteral("randomRadio"));
    m_playModes = new QButtonGroup(this);
    m_playModes->addButton(selectedFileRadio, int(PlayMode::SelectedFile));
    m_playModes->addButton(inOrderRadio, int(PlayMode::InOrder));
    m_playModes->addButton(randomRadio, int(PlayMode::Random));
    auto *modeLayout = new QVBoxLayout(modeBox);
    for (QRadioButton *radio : {selectedFileRadio, inOrderRadio, randomRadio})
        modeLayout->addWidget(radio);
    resetCheck = new QCheckBox(QStringLiteral("Reset music when a new spread starts"), this);
    resetCheck->setObjectName(QStringLiteral("resetCheck"));
    resetCheck->hide();

    auto *volumeLabel = new QLabel(texts.string(UiText::MusicVolume), this);
    volumeSlider = new QSlider(Qt::Horizontal, this);
    volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    volumeSlider->setRange(0, 100);
    volumeSlider->setPageStep(10);
    volumeLabel->setBuddy(volumeSlider);
    volumeValue = new QLabel(this);
    volumeValue->setObjectName(QStringLiteral("volumeValue"));
    volumeValue->setMinimumWidth(40);

    auto *buttons = OkCancelButtons::create(this, texts);
    okButton = buttons->button(QDialogButtonBox::Ok);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);

    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(folderEdit, 1);
    folderRow->addWidget(chooseFolderButton);
    auto *volumeRow = new QHBoxLayout;
    volumeRow->addWidget(volumeLabel);
    volumeRow->addWidget(volumeSlider, 1);
    volumeRow->addWidget(volumeValue);
    auto *side = new QVBoxLayout;
    side->addWidget(modeBox);
    side->addWidget(ignoreCheck);
    side->addWidget(associateButton);
    side->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(fileList, 1);
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addLayout(middle, 1);
    layout->addLayout(volumeRow);
    layout->addWidget(buttons);

    // A folder that cannot be shown gives way to the program's folder.
    setFolder(QFileInfo(preferences.musicDir()).isDir() ? preferences.musicDir() : fallbackFolder);
    selectFile(preferences.lastMusicFile());
    m_playModes->button(int(preferences.playMode()))->setChecked(true);
    resetCheck->setChecked(preferences.resetMusic());
    ignoreCheck->setChecked(preferences.ignoreSpreadMusic());
    volumeSlider->setValue(preferences.musicVolume());
    volumeValue->setText(QStringLiteral("%1 %").arg(preferences.musicVolume()));
    onPlayModeChanged();
    fileList->setFocus();

    connect(chooseFolderButton, &QPushButton::clicked, this, &MusicSettingsDialog::chooseFolder);
    // Enter or a double click on a file confirms the dialog.
    connect(fileList, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_playModes, &QButtonGroup::idToggled, this, &MusicSettingsDialog::onPlayModeChanged);
    connect(volumeSlider, &QSlider::valueChanged, this,
            [this](int value) { volumeValue->setText(QStringLiteral("%1 %").arg(value)); });
    connect(associateButton, &QPushButton::clicked, this,
            [editAssociations = std::move(editAssociations)] { editAssociations(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

MusicSettingsChoice MusicSettingsDialog::choice() const
{
    MusicSettingsChoice choice;
    choice.playMode = PlayMode(m_playModes->checkedId());
    choice.resetMusic = resetCheck->isChecked();
    choice.ignoreSpreadMusic = ignoreCheck->isChecked();
    choice.folder = m_folder;
    if (const QListWidgetItem *item = fileList->currentItem(); item && item->isSelected())
        choice.selectedFile = QDir(m_folder).filePath(item->text());
    choice.volume = volumeSlider->value();
    return choice;
}

void MusicSettingsDialog::setFolder(const QString &folder)
{
    m_folder = folder;
    folderEdit->setText(QDir::toNativeSeparators(folder));
    fileList->clear();
    fileList->addItems(
        QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
    fileList->setCurrentRow(-1);
}

void MusicSettingsDialog::selectFile(const QString &path)
{
    const QFileInfo file(path);
    if (QDir(file.absolutePath()) != QDir(m_folder))
        return;
    const QList<QListWidgetItem *> items = fileList->findItems(file.fileName(), Qt::MatchExactly);
    if (!items.isEmpty())
        fileList->setCurrentItem(items.first());
}

void MusicSettingsDialog::chooseFolder()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("musicFolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(m_folder);
    if (m_interaction.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().first();
    if (QFileInfo(folder).isDir())
        setFolder(QDir::cleanPath(folder));
}

void MusicSettingsDialog::onPlayModeChanged()
{
    resetCheck->setEnabled(m_playModes->checkedId() != int(PlayMode::SelectedFile));
}
