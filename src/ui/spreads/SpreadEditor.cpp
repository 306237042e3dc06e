#include "ui/spreads/SpreadEditor.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/readings/SpreadUsage.h"
#include "core/spreads/Spread.h"
#include "core/table/SpreadLayout.h"
#include "core/table/TableGeometry.h"
#include "ui/common/ChoiceQuestion.h"
#include "ui/common/Interaction.h"
#include "ui/spreads/PositionBox.h"
#include "ui/spreads/PositionExplanationDialog.h"
#include "ui/spreads/PositionList.h"
#include "ui/spreads/SpreadPreview.h"

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
#include <QSignalBlocker>
#include <QUndoStack>

namespace {

constexpr QSize BoxSize = TableGeometry::PositionSize;
constexpr int AreaLeft = 16;
constexpr int AreaTop = 16;
// The window is this much wider and higher than its editing area and the
// positions list beside it.
constexpr int ExtraWidth = 32;
constexpr int ExtraHeight = 73;
constexpr int ListGap = 8;
constexpr int ListWidth = 260;
constexpr int ListCaptionHeight = 20;
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
    , preview(new SpreadPreview(setup.background, this))
    , positionList(new PositionList(this))
    , addButton(new QPushButton(texts.string(UiText::EditorAdd), this))
    , deleteButton(new QPushButton(texts.string(UiText::EditorDelete), this))
    , explanationButton(new QPushButton(texts.string(UiText::EditorExplanation), this))
    , previewButton(new QPushButton(texts.string(UiText::PreviewOnTable), this))
    , saveButton(new QPushButton(texts.buttonString(UiText::MenuSave), this))
    , cancelButton(new QPushButton(texts.string(UiText::Cancel), this))
    , coordinatesLabel(new QLabel(this))
    , undoAction(new QAction(this))
    , redoAction(new QAction(this))
    , m_texts(texts)
    , m_interaction(interaction)
    , m_roots(setup.roots)
    , m_name(setup.spreadName)
    , m_language(setup.language)
    , m_background(setup.background)
    , m_areaSize(setup.areaSize)
    , m_undo(new QUndoStack(this))
{
    setObjectName(QStringLiteral("SpreadEditor"));
    editingArea->setObjectName(QStringLiteral("editingArea"));
    canvas->setObjectName(QStringLiteral("canvas"));
    preview->setObjectName(QStringLiteral("preview"));
    positionList->setObjectName(QStringLiteral("positionList"));
    previewButton->setObjectName(QStringLiteral("previewButton"));
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

    // The window takes the spread area's size plus its margins and the list;
    // the area scrolls to boxes placed beyond it, and shows less of itself
    // when the window would not fit on the screen.
    const QSize chrome(ExtraWidth + ListGap + ListWidth, ExtraHeight);
    QSize shown = m_areaSize;
    if (setup.available.isValid())
        shown = shown.boundedTo(setup.available - chrome).expandedTo(BoxSize);
    const QSize client = shown + chrome;
    setFixedSize(client);
    editingArea->setGeometry(AreaLeft, AreaTop, shown.width(), shown.height());
    editingArea->setFrameShape(QFrame::NoFrame);
    editingArea->setFocusPolicy(Qt::NoFocus);
    QPalette palette = canvas->palette();
    palette.setColor(QPalette::Window, m_background);
    canvas->setPalette(palette);
    canvas->setAutoFillBackground(true);
    canvas->resize(m_areaSize);
    editingArea->setWidget(canvas);
    editingArea->setPalette(palette);
    preview->hide();

    const int listLeft = AreaLeft + shown.width() + ListGap;
    auto *listCaption = new QLabel(texts.string(UiText::PositionsInDrawOrder), this);
    listCaption->setObjectName(QStringLiteral("positionListCaption"));
    listCaption->setGeometry(listLeft, AreaTop, ListWidth, ListCaptionHeight);
    listCaption->setBuddy(positionList);
    positionList->setGeometry(listLeft, AreaTop + ListCaptionHeight, ListWidth,
                              shown.height() - ListCaptionHeight);

    const int buttonTop = client.height() - 41;
    const QList<QPushButton *> buttons = {addButton,     deleteButton, explanationButton,
                                          previewButton, saveButton,   cancelButton};
    for (QPushButton *button : buttons) {
        button->setFixedSize(ButtonSize);
        // Speed buttons: the arrow keys stay with the boxes.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    addButton->move(AreaLeft, buttonTop);
    deleteButton->move(AreaLeft + 89, buttonTop);
    explanationButton->setGeometry(AreaLeft + 178, buttonTop, 105, ButtonSize.height());
    previewButton->setCheckable(true);
    previewButton->setFixedWidth(150);
    previewButton->move(AreaLeft + 291, buttonTop);
    // Save and Cancel end the editing: the dialog's own row, at the right.
    auto *closingButtons = new QDialogButtonBox(this);
    closingButtons->addButton(saveButton, QDialogButtonBox::AcceptRole);
    closingButtons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    closingButtons->layout()->setSpacing(105 - ButtonSize.width());
    closingButtons->setGeometry(client.width() - 202, buttonTop, 105 + ButtonSize.width(),
                                ButtonSize.height());
    coordinatesLabel->setGeometry(AreaLeft + 449, buttonTop, 110, ButtonSize.height());
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
    connect(previewButton, &QPushButton::toggled, this, &SpreadEditor::showPreview);
    connect(saveButton, &QPushButton::clicked, this, &SpreadEditor::save);
    connect(cancelButton, &QPushButton::clicked, this, &SpreadEditor::reject);
    connect(positionList, &PositionList::positionChosen, this, &SpreadEditor::makeActive);
    connect(positionList, &PositionList::explanationEdited, this,
            &SpreadEditor::setExplanationText);
    connect(positionList, &PositionList::moveRequested, this, &SpreadEditor::movePosition);

    SpreadDesign design;
    if (!m_name.isEmpty()) {
        Spread spread;
        QString error;
        if (spread.load(Spread::filePath(m_roots, m_name), &error) != Spread::LoadResult::Loaded) {
            m_loadFault = error;
        }
        design = SpreadDesign::fromSpread(spread);
    }
    m_loaded = design;
    // Opening, the last position is the active one, and the keys act on the boxes.
    applyDesign(design, design.count() - 1);
    setFocus();
}

SpreadEditor::~SpreadEditor() = default;

void SpreadEditor::applyDesign(const SpreadDesign &design, int active)
{
    m_design = design;
    while (m_boxes.size() > m_design.count())
        delete m_boxes.takeLast();
    while (m_boxes.size() < m_design.count()) {
        auto *box = new PositionBox(int(m_boxes.size()), m_background, canvas);
        connect(box, &PositionBox::pressed, this, &SpreadEditor::onBoxPressed);
        connect(box, &PositionBox::dragged, this, &SpreadEditor::onBoxDragged);
        connect(box, &PositionBox::dropped, this, &SpreadEditor::onBoxDropped);
        box->show();
        m_boxes.append(box);
    }
    fitCanvas();
    const SpreadLayout layout(m_design.toSpread(), m_areaSize);
    for (int i = 0; i < m_design.count(); ++i) {
        PositionBox *box = m_boxes.at(i);
        box->setObjectName(QStringLiteral("positionBox%1").arg(i));
        box->setIndex(i);
        box->setGeometry(boxRect(i, layout.isAcross(i)));
        box->setLabel(QString::fromLatin1(m_design.label(i)));
        box->setToolTip(m_texts.decoded(m_design.at(i).explanation));
        // Every box is drawn afresh: only the one made active below stays red.
        box->setActive(false);
        box->setFocusRing(false);
    }
    m_active = -1;
    makeActive(qMin(active, m_design.count() - 1));
    showList();
    if (previewButton->isChecked())
        showPreview(true);
    addButton->setEnabled(!m_design.isFull());
    deleteButton->setEnabled(m_design.count() > 0);
    explanationButton->setEnabled(m_design.count() > 0);
}

QRect SpreadEditor::boxRect(int index, bool across) const
{
    QRect card(m_design.at(index).place - m_origin, BoxSize);
    if (across) {
        const QPoint centre = card.center();
        card.setSize(BoxSize.transposed());
        card.moveCenter(centre);
    }
    return card;
}

void SpreadEditor::showList()
{
    QList<PositionList::Row> rows;
    for (int i = 0; i < m_design.count(); ++i) {
        const SpreadDesign::Position &position = m_design.at(i);
        rows.append({QString::fromLatin1(m_design.label(i)), m_texts.decoded(position.explanation),
                     !position.significator});
    }
    positionList->showRows(rows, m_active);
}

void SpreadEditor::showPreview(bool shown)
{
    if (shown) {
        QStringList labels;
        for (int i = 0; i < m_design.count(); ++i)
            labels.append(QString::fromLatin1(m_design.label(i)));
        preview->showSpread(m_design.toSpread(), labels, m_areaSize);
        if (editingArea->widget() != preview) {
            editingArea->takeWidget();
            editingArea->setWidget(preview);
            canvas->setParent(this);
            canvas->hide();
        }
        return;
    }
    if (editingArea->widget() == preview) {
        editingArea->takeWidget();
        preview->setParent(this);
        preview->hide();
        editingArea->setWidget(canvas);
        canvas->show();
    }
}

void SpreadEditor::change(const SpreadDesign &design, int active, const QString &text, int mergeId)
{
    m_undo->push(new SpreadDesignChange(*this, design, active, text, mergeId));
}

void SpreadEditor::makeActive(int index)
{
    if (m_active >= 0 && m_active < m_boxes.size()) {
        m_boxes.at(m_active)->setActive(false);
        m_boxes.at(m_active)->setFocusRing(false);
    }
    m_active = index < m_boxes.size() ? index : -1;
    if (m_active < 0) {
        coordinatesLabel->clear();
        return;
    }
    PositionBox *box = m_boxes.at(m_active);
    box->setActive(true);
    box->setFocusRing(hasFocus());
    box->raise();
    showCoordinates(m_design.at(m_active).place);
    if (positionList->currentRow() != m_active) {
        const QSignalBlocker quiet(positionList);
        positionList->setCurrentRow(m_active);
    }
    if (editingArea->widget() == canvas)
        editingArea->ensureWidgetVisible(box, 0, 0);
}

void SpreadEditor::showCoordinates(const QPoint &place)
{
    coordinatesLabel->setText(QStringLiteral("%1, %2").arg(place.x()).arg(place.y()));
}

void SpreadEditor::fitCanvas()
{
    // The surface starts at the area's corner or at the box furthest left and
    // up, and reaches every box right of and below the area.
    const QPoint corner = m_design.topLeft();
    const QPoint origin(qMin(0, corner.x()), qMin(0, corner.y()));
    QRect reach(origin, m_areaSize);
    for (const SpreadDesign::Position &position : m_design.positions())
        reach |= QRect(position.place, BoxSize);
    // A change of origin moves every box on the surface: the view moves with
    // them, so what the user looked at stays in place.
    const QPoint moved = m_origin - origin;
    m_origin = origin;
    canvas->resize(reach.size());
    if (!moved.isNull()) {
        editingArea->horizontalScrollBar()->setValue(editingArea->horizontalScrollBar()->value() +
                                                     moved.x());
        editingArea->verticalScrollBar()->setValue(editingArea->verticalScrollBar()->value() +
                                                   moved.y());
    }
}

void SpreadEditor::onBoxPressed(int index, Qt::MouseButton button)
{
    makeActive(index);
    setFocus();
    if (button == Qt::RightButton)
        editExplanation();
}

void SpreadEditor::onBoxDragged(int index, const QPoint &moved)
{
    showCoordinates(m_design.at(index).place + moved);
}

void SpreadEditor::onBoxDropped(int index, const QPoint &moved)
{
    SpreadDesign design = m_design;
    design.moveTo(index, m_design.at(index).place + moved);
    change(design, index, QStringLiteral("Move"));
}

void SpreadEditor::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Insert:
        addPosition();
        return;
    case Qt::Key_Delete:
        deletePosition();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editExplanation();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (control) {
            if (m_active >= 0)
                movePosition(m_active, m_active + (event->key() == Qt::Key_Up ? -1 : 1));
            return;
        }
        break;
    default:
        break;
    }
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
}

bool SpreadEditor::focusNextPrevChild(bool next)
{
    // Tab on the area moves the active box; elsewhere it moves the focus.
    if (focusWidget() != this || m_design.count() == 0)
        return QDialog::focusNextPrevChild(next);
    const int count = m_design.count();
    makeActive(((m_active < 0 ? (next ? -1 : 0) : m_active) + (next ? 1 : count - 1)) % count);
    return true;
}

void SpreadEditor::focusInEvent(QFocusEvent *event)
{
    QDialog::focusInEvent(event);
    if (PositionBox *box = m_boxes.value(m_active))
        box->setFocusRing(true);
}

void SpreadEditor::focusOutEvent(QFocusEvent *event)
{
    QDialog::focusOutEvent(event);
    if (PositionBox *box = m_boxes.value(m_active))
        box->setFocusRing(false);
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
    // An explanation is work to lose; an empty box is not.
    if (!m_design.at(m_active).explanation.isEmpty() &&
        !m_interaction.askOkCancel(this,
                                   m_texts.string(UiText::DeletePositionQuestion)
                                       .arg(withoutDot(m_design.label(m_active))),
                                   m_texts.string(UiText::EditorDelete)))
        return;
    SpreadDesign design = m_design;
    design.remove(m_active);
    change(design, qMin(m_active, design.count() - 1), QStringLiteral("Delete"));
}

void SpreadEditor::setExplanationText(int index, const QString &text)
{
    if (index < 0 || index >= m_design.count())
        return;
    SpreadDesign design = m_design;
    design.setExplanation(index, m_texts.encoded(text, m_design.at(index).explanation));
    if (design != m_design)
        change(design, index, QStringLiteral("Explanation"));
    else
        showList();
}

void SpreadEditor::movePosition(int from, int to)
{
    if (from < 0 || from >= m_design.count())
        return;
    SpreadDesign design = m_design;
    const int landed = design.reorder(from, to);
    if (design != m_design)
        change(design, landed, QStringLiteral("Reorder"));
    else
        showList();
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

void SpreadEditor::reject()
{
    if (m_undo->isClean()) {
        QDialog::reject();
        return;
    }
    ChoiceQuestion question(windowTitle(), m_texts.string(UiText::UnsavedSpreadQuestion), this);
    question.addChoice(m_texts.buttonString(UiText::MenuSave), QMessageBox::AcceptRole);
    question.addChoice(m_texts.string(UiText::DiscardChanges), QMessageBox::DestructiveRole);
    question.addChoice(m_texts.string(UiText::Cancel), QMessageBox::RejectRole, true);
    m_interaction.execDialog(question);
    switch (question.chosen()) {
    case 0:
        save();
        return;
    case 1:
        QDialog::reject();
        return;
    default:
        return;
    }
}

bool SpreadEditor::save()
{
    switch (m_design.saveProblem()) {
    case SpreadDesign::SaveProblem::NoPositions:
        m_interaction.showMessage(this, m_texts.string(UiText::SpreadHasNoPositions));
        return false;
    case SpreadDesign::SaveProblem::MissingExplanations: {
        QStringList labels;
        for (const QByteArray &label : m_design.unexplainedLabels())
            labels.append(QString::fromLatin1(label));
        m_interaction.showMessage(this, m_texts.string(UiText::PositionsWithoutExplanation) +
                                            labels.join(QStringLiteral(", ")) + QLatin1Char('.'));
        return false;
    }
    case SpreadDesign::SaveProblem::None:
        break;
    }

    SpreadDesign design = m_design;
    // The table lays any places, but a spread that starts at the area's
    // corner is easier to edit; the user decides.
    const QPoint corner = design.topLeft();
    if ((corner.x() < 0 || corner.y() < 0) &&
        m_interaction.askOkCancel(this, m_texts.string(UiText::ShiftSpreadQuestion), windowTitle()))
        design.shift(QPoint(qMax(0, -corner.x()), qMax(0, -corner.y())));

    const QString name = m_name.isEmpty() ? askName() : nameKeepingReadings(design);
    if (name.isEmpty())
        return false;
    const QString path = Spread::writePath(m_roots, name);
    QString error;
    if (!design.toSpread().save(path, m_random, &error)) {
        // Nothing is lost: the editor stays open with the design as it was.
        m_interaction.showMessage(this, m_texts.string(UiText::SpreadNotSaved) + QLatin1Char('\n') +
                                            QDir::toNativeSeparators(path) + QStringLiteral("\n") +
                                            error);
        return false;
    }
    m_savedName = name;
    m_undo->setClean();
    accept();
    return true;
}

QString SpreadEditor::nameKeepingReadings(const SpreadDesign &design)
{
    if (!design.countsDiffer(m_loaded))
        return m_name;
    const int readings = SpreadUsage::readingsUsing(m_roots, m_name, m_language);
    if (readings == 0)
        return m_name;
    ChoiceQuestion question(windowTitle(), m_texts.string(UiText::ReadingsUseSpread).arg(readings),
                            this);
    question.addChoice(m_texts.string(UiText::SaveAsNewSpread), QMessageBox::AcceptRole);
    question.addChoice(m_texts.string(UiText::ReplaceAnyway), QMessageBox::DestructiveRole);
    question.addChoice(m_texts.string(UiText::Cancel), QMessageBox::RejectRole, true);
    m_interaction.execDialog(question);
    switch (question.chosen()) {
    case 0:
        return askName(m_name);
    case 1:
        return m_name;
    default:
        return {};
    }
}

QString SpreadEditor::askName(const QString &refused)
{
    QString name;
    for (;;) {
        PositionExplanationDialog dialog(m_texts, this);
        dialog.editName(name);
        if (m_interaction.execDialog(dialog) != QDialog::Accepted)
            return {};
        name = SpreadDesign::cleanName(dialog.content().text);
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
        case SpreadDesign::NameProblem::TooLong:
            m_interaction.showMessage(this, m_texts.string(UiText::SpreadNameTooLong));
            continue;
        case SpreadDesign::NameProblem::None:
            break;
        }
        // The spread whose readings are being kept is not replaced under a new name.
        if (!refused.isEmpty() && name.compare(refused, Qt::CaseInsensitive) == 0) {
            m_interaction.showMessage(this, m_texts.string(UiText::SpreadNameTaken));
            continue;
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
