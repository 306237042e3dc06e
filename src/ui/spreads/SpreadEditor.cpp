#include "ui/spreads/SpreadEditor.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"
#include "core/table/TableGeometry.h"
#include "ui/common/Interaction.h"
#include "ui/spreads/PositionBox.h"
#include "ui/spreads/PositionExplanationDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>

namespace {

constexpr QSize BoxSize = TableGeometry::PositionSize;
constexpr int AreaLeft = 16;
constexpr int AreaTop = 16;
// The window is this much wider and higher than its editing area.
constexpr int ExtraWidth = 32;
constexpr int ExtraHeight = 73;
constexpr QSize ButtonSize{81, 25};
// Undo steps of the arrow keys on one box merge into one.
constexpr int ArrowMoveId = 1;

QString withoutDot(const QByteArray &label)
{
    return QString::fromLatin1(label.chopped(2));
}

} // namespace

// One change of the spread being designed, kept whole: the design and the
// active position before and after it.
class SpreadDesignChange : public QUndoCommand
{
public:
    SpreadDesignChange(SpreadEditor &editor, const SpreadDesign &after, int activeAfter,
                       const QString &text, int mergeId)
        : QUndoCommand(text)
        , m_editor(editor)
        , m_before(editor.m_design)
        , m_after(after)
        , m_activeBefore(editor.m_active)
        , m_activeAfter(activeAfter)
        , m_mergeId(mergeId)
    {}

    void undo() override { m_editor.applyDesign(m_before, m_activeBefore); }
    void redo() override { m_editor.applyDesign(m_after, m_activeAfter); }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SpreadDesignChange *>(other);
        if (next->m_activeBefore != m_activeAfter || next->m_activeAfter != m_activeAfter)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    SpreadEditor &m_editor;
    SpreadDesign m_before;
    SpreadDesign m_after;
    int m_activeBefore;
    int m_activeAfter;
    int m_mergeId;
};

SpreadEditor::SpreadEditor(const Setup &setup, const UiTextTable &texts, Interaction &interaction,
                           QWidget *parent)
    : QDialog(parent)
    , editingArea(new QScrollArea(this))
    , canvas(new QWidget)
    , addButton(new QPushButton(texts.string(UiText::EditorAdd), this))
    , deleteButton(new QPushButton(texts.string(UiText::EditorDelete), this))
    , explanationButton(new QPushButton(texts.string(UiText::EditorExplanation), this))
    , saveButton(new QPushButton(texts.buttonString(UiText::MenuSave), this))
    , cancelButton(new QPushButton(texts.string(UiText::Cancel), this))
    , coordinatesLabel(new QLabel(this))
    , undoAction(new QAction(this))
    , redoAction(new QAction(this))
    , m_texts(texts)
    , m_interaction(interaction)
    , m_roots(setup.roots)
    , m_name(setup.spreadName)
    , m_background(setup.background)
    , m_areaSize(setup.areaSize)
    , m_undo(new QUndoStack(this))
{
    setObjectName(QStringLiteral("SpreadEditor"));
    editingArea->setObjectName(QStringLiteral("editingArea"));
    canvas->setObjectName(QStringLiteral("canvas"));
    addButton->setObjectName(QStringLiteral("addButton"));
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    explanationButton->setObjectName(QStringLiteral("explanationButton"));
    saveButton->setObjectName(QStringLiteral("saveButton"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    coordinatesLabel->setObjectName(QStringLiteral("coordinatesLabel"));
    undoAction->setObjectName(QStringLiteral("undoAction"));
    redoAction->setObjectName(QStringLiteral("redoAction"));

    addButton->setToolTip(texts.string(UiText::EditorAddHint));
    deleteButton->setToolTip(texts.string(UiText::EditorDeleteHint));
    explanationButton->setToolTip(texts.string(UiText::EditorExplanation));
    saveButton->setToolTip(texts.buttonString(UiText::MenuSave));
    cancelButton->setToolTip(texts.string(UiText::Cancel));
    if (m_name.isEmpty()) {
        setWindowTitle(texts.string(UiText::NewSpreadCaption));
    } else {
        setWindowTitle(texts.string(UiText::EditSpreadCaption) + QStringLiteral(" '") + m_name +
                       QLatin1Char('\''));
    }

    // The window takes the spread area's size plus its margins; the area
    // scrolls to boxes placed beyond it.
    const QSize area = m_areaSize;
    const QSize client = area + QSize(ExtraWidth, ExtraHeight);
    setFixedSize(client);
    editingArea->setGeometry(AreaLeft, AreaTop, area.width(), area.height());
    editingArea->setFrameShape(QFrame::NoFrame);
    editingArea->setFocusPolicy(Qt::NoFocus);
    QPalette palette = canvas->palette();
    palette.setColor(QPalette::Window, m_background);
    canvas->setPalette(palette);
    canvas->setAutoFillBackground(true);
    canvas->resize(m_areaSize);
    editingArea->setWidget(canvas);

    const int buttonTop = client.height() - 41;
    const QList<QPushButton *> buttons = {addButton, deleteButton, explanationButton, saveButton,
                                          cancelButton};
    for (QPushButton *button : buttons) {
        button->setFixedSize(ButtonSize);
        // Speed buttons: the arrow keys stay with the boxes.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    addButton->move(AreaLeft, buttonTop);
    deleteButton->move(AreaLeft + 89, buttonTop);
    explanationButton->setGeometry(AreaLeft + 178, buttonTop, 105, ButtonSize.height());
    // Save and Cancel end the editing: the dialog's own row, at the right.
    auto *closingButtons = new QDialogButtonBox(this);
    closingButtons->addButton(saveButton, QDialogButtonBox::AcceptRole);
    closingButtons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    closingButtons->layout()->setSpacing(105 - ButtonSize.width());
    closingButtons->setGeometry(client.width() - 202, buttonTop, 105 + ButtonSize.width(),
                                ButtonSize.height());
    coordinatesLabel->setGeometry(AreaLeft + 300, buttonTop, 150, ButtonSize.height());
    setFocusPolicy(Qt::StrongFocus);

    undoAction->setShortcut(QKeySequence::Undo);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undoAction);
    addAction(redoAction);
    connect(undoAction, &QAction::triggered, m_undo, &QUndoStack::undo);
    connect(redoAction, &QAction::triggered, m_undo, &QUndoStack::redo);

    connect(addButton, &QPushButton::clicked, this, &SpreadEditor::addPosition);
    connect(deleteButton, &QPushButton::clicked, this, &SpreadEditor::deletePosition);
    connect(explanationButton, &QPushButton::clicked, this, &SpreadEditor::editExplanation);
    connect(saveButton, &QPushButton::clicked, this, &SpreadEditor::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    SpreadDesign design;
    if (!m_name.isEmpty()) {
        Spread spread;
        QString error;
        if (spread.load(Spread::filePath(m_roots, m_name), &error) != Spread::LoadResult::Loaded) {
            m_loadFault = error;
        }
        design = SpreadDesign::fromSpread(spread);
    }
    // Opening, the last position is the active one.
    applyDesign(design, design.count() - 1);
}

SpreadEditor::~SpreadEditor() = default;

void SpreadEditor::applyDesign(const SpreadDesign &design, int active)
{
    m_design = design;
    while (m_boxes.size() > m_design.count())
        delete m_boxes.takeLast();
    while (m_boxes.size() < m_design.count()) {
        auto *box = new PositionBox(int(m_boxes.size()), m_background, canvas);
        box->resize(BoxSize);
        connect(box, &PositionBox::pressed, this, &SpreadEditor::onBoxPressed);
        connect(box, &PositionBox::dragged, this, &SpreadEditor::onBoxDragged);
        connect(box, &PositionBox::dropped, this, &SpreadEditor::onBoxDropped);
        box->show();
        m_boxes.append(box);
    }
    for (int i = 0; i < m_design.count(); ++i) {
        PositionBox *box = m_boxes.at(i);
        box->setObjectName(QStringLiteral("positionBox%1").arg(i));
        box->setIndex(i);
        box->move(m_design.at(i).place);
        box->setLabel(QString::fromLatin1(m_design.label(i)));
        box->setToolTip(m_texts.decoded(m_design.at(i).explanation));
    }
    m_active = -1;
    makeActive(qMin(active, m_design.count() - 1));
    fitCanvas();
    addButton->setEnabled(!m_design.isFull());
    deleteButton->setEnabled(m_design.count() > 0);
    explanationButton->setEnabled(m_design.count() > 0);
}

void SpreadEditor::change(const SpreadDesign &design, int active, const QString &text, int mergeId)
{
    m_undo->push(new SpreadDesignChange(*this, design, active, text, mergeId));
}

void SpreadEditor::makeActive(int index)
{
    if (m_active >= 0 && m_active < m_boxes.size())
        m_boxes.at(m_active)->setActive(false);
    m_active = index;
    if (m_active < 0) {
        coordinatesLabel->clear();
        return;
    }
    m_boxes.at(m_active)->setActive(true);
    m_boxes.at(m_active)->raise();
    showCoordinates(m_boxes.at(m_active)->pos());
}

void SpreadEditor::showCoordinates(const QPoint &place)
{
    coordinatesLabel->setText(QStringLiteral("%1, %2").arg(place.x()).arg(place.y()));
}

void SpreadEditor::fitCanvas()
{
    // The area scrolls far enough to reach every box right of and below it.
    QSize size = m_areaSize;
    for (const PositionBox *box : std::as_const(m_boxes))
        size = size.expandedTo(QSize(box->geometry().right() + 1, box->geometry().bottom() + 1));
    canvas->resize(size);
}

void SpreadEditor::onBoxPressed(int index, Qt::MouseButton button)
{
    makeActive(index);
    setFocus();
    if (button == Qt::RightButton)
        editExplanation();
}

void SpreadEditor::onBoxDragged(int, const QPoint &topLeft)
{
    showCoordinates(topLeft);
}

void SpreadEditor::onBoxDropped(int index, const QPoint &, const QPoint &to)
{
    SpreadDesign design = m_design;
    design.moveTo(index, to);
    change(design, index, QStringLiteral("Move"));
}

void SpreadEditor::keyPressEvent(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        step = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        step = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        step = QPoint(0, 1);
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    if (m_active < 0)
        return;
    if (event->modifiers() & Qt::ShiftModifier)
        step *= 10;
    SpreadDesign design = m_design;
    design.moveTo(m_active, m_design.at(m_active).place + step);
    change(design, m_active, QStringLiteral("Move"), ArrowMoveId);
    editingArea->ensureWidgetVisible(m_boxes.at(m_active), 0, 0);
}

void SpreadEditor::addPosition()
{
    if (m_design.isFull())
        return;
    const QRect visible(-canvas->pos(), editingArea->viewport()->size());
    SpreadDesign design = m_design;
    const int index = design.add(design.freePlace(visible, BoxSize));
    change(design, index, QStringLiteral("Add"));
}

void SpreadEditor::deletePosition()
{
    if (m_active < 0)
        return;
    SpreadDesign design = m_design;
    design.remove(m_active);
    change(design, qMin(m_active, design.count() - 1), QStringLiteral("Delete"));
}

void SpreadEditor::editExplanation()
{
    if (m_active < 0)
        return;
    const SpreadDesign::Position &position = m_design.at(m_active);
    PositionExplanationDialog dialog(m_texts, this);
    dialog.editPosition(withoutDot(m_design.label(m_active)),
                        {m_texts.decoded(position.explanation), position.significator});
    if (m_interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    const PositionExplanationDialog::Content content = dialog.content();
    const QByteArray bytes = m_texts.encoded(content.text, position.explanation);
    SpreadDesign design = m_design;
    const int index = design.setSignificator(m_active, content.significator);
    design.setExplanation(index, bytes);
    if (design != m_design)
        change(design, index, QStringLiteral("Explanation"));
}

void SpreadEditor::save()
{
    switch (m_design.saveProblem()) {
    case SpreadDesign::SaveProblem::NoPositions:
        m_interaction.showMessage(this, m_texts.string(UiText::SpreadHasNoPositions));
        return;
    case SpreadDesign::SaveProblem::MissingExplanations: {
        QStringList labels;
        for (const QByteArray &label : m_design.unexplainedLabels())
            labels.append(QString::fromLatin1(label));
        m_interaction.showMessage(this, m_texts.string(UiText::PositionsWithoutExplanation) +
                                            labels.join(QStringLiteral(", ")) + QLatin1Char('.'));
        return;
    }
    case SpreadDesign::SaveProblem::None:
        break;
    }

    // Back at the origin the boxes stand at the places the table will use.
    editingArea->horizontalScrollBar()->setValue(0);
    editingArea->verticalScrollBar()->setValue(0);
    SpreadDesign design = m_design;
    for (int i = 0; i < m_boxes.size(); ++i)
        design.moveTo(i, m_boxes.at(i)->pos());

    const QString name = m_name.isEmpty() ? askName() : m_name;
    if (name.isEmpty())
        return;
    const QString path = Spread::writePath(m_roots, name);
    QString error;
    if (!design.toSpread().save(path, m_random, &error)) {
        // Nothing is lost: the editor stays open with the design as it was.
        m_interaction.showMessage(this, m_texts.string(UiText::SpreadNotSaved) + QLatin1Char('\n') +
                                            QDir::toNativeSeparators(path) + QStringLiteral("\n") +
                                            error);
        return;
    }
    m_savedName = name;
    accept();
}

QString SpreadEditor::askName()
{
    QString name;
    for (;;) {
        PositionExplanationDialog dialog(m_texts, this);
        dialog.editName(name);
        if (m_interaction.execDialog(dialog) != QDialog::Accepted)
            return {};
        name = dialog.content().text;
        switch (SpreadDesign::nameProblem(name)) {
        case SpreadDesign::NameProblem::Empty:
            m_interaction.showMessage(this, m_texts.string(UiText::SpreadNameEmpty));
            continue;
        case SpreadDesign::NameProblem::NotAFileName:
            m_interaction.showMessage(this, m_texts.string(UiText::SpreadNameNotAFileName));
            continue;
        case SpreadDesign::NameProblem::ControlCharacter:
            m_interaction.showMessage(this, m_texts.string(UiText::SpreadNameControlCharacter));
            continue;
        case SpreadDesign::NameProblem::None:
            break;
        }
        const bool taken = QFileInfo::exists(Spread::filePath(m_roots, name));
        if (!taken ||
            m_interaction.askOkCancel(this,
                                      m_texts.string(UiText::SpreadNameTaken) + QLatin1Char(' ') +
                                          m_texts.string(UiText::ReplaceSpreadQuestion),
                                      m_texts.string(UiText::NewSpreadCaption)))
            return name;
    }
}
