#pragma once

#include "core/data/DataRoots.h"
#include "core/spreads/SpreadDesign.h"
#include "core/util/RandomGenerator.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QSize>

class Interaction;
class PositionBox;
class PositionList;
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QUndoStack;
class SpreadPreview;
class UiTextTable;

// The spread editor: one card-sized box per position on an area the size of
// the table's spread area, so a box stands where the position's card will
// lie, turned where the table lays it across. Boxes are dragged with the
// mouse or moved with the arrow keys; Tab moves between them, Insert, Delete
// and Enter add, remove and explain; the list beside the area holds the
// drawing order. Every change can be undone; leaving with unsaved changes
// asks first. The preview shows the spread as the table will lay it. Save
// checks the spread, names a new one and keeps saved readings openable.
class SpreadEditor : public QDialog
{
    Q_OBJECT

public:
    struct Setup
    {
        DataRoots roots;
        // The spread to edit; empty for a new spread, named when first saved.
        QString spreadName;
        // The table's spread area, whose size the editing area takes.
        QSize areaSize;
        QColor background;
        // The screen space the window may take; the editing area shows less
        // of itself (and scrolls) when the window would not fit. Empty: no limit.
        QSize available;
        // The language whose code page older reading files name spreads in.
        QString language = QStringLiteral("English");
    };

    SpreadEditor(const Setup &setup, const UiTextTable &texts, Interaction &interaction,
                 QWidget *parent = nullptr);
    ~SpreadEditor() override;

    // What was wrong with the spread file when it was opened; empty when it
    // was read whole. The editor shows whatever could be read.
    QString loadFault() const { return m_loadFault; }
    // The name the spread was saved under, once Save succeeded.
    QString savedName() const { return m_savedName; }
    const SpreadDesign &design() const { return m_design; }
    int activePosition() const { return m_active; }
    PositionBox *box(int index) const { return m_boxes.value(index); }
    QUndoStack *undoStack() const { return m_undo; }
    // Where the editing area's surface starts, in the spread file's coordinates.
    QPoint origin() const { return m_origin; }

    QScrollArea *editingArea;
    QWidget *canvas;
    SpreadPreview *preview;
    PositionList *positionList;
    QPushButton *addButton;
    QPushButton *deleteButton;
    QPushButton *explanationButton;
    // Shows the preview in the editing area while it is down.
    QPushButton *previewButton;
    QPushButton *saveButton;
    QPushButton *cancelButton;
    // The active box's place, in the spread file's coordinates.
    QLabel *coordinatesLabel;
    QAction *undoAction;
    QAction *redoAction;

    // Esc, Cancel and the close button come here: with unsaved changes the
    // user chooses to save, discard them or stay.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class SpreadDesignChange;

    // Shows `design` with `active` highlighted; the undo stack calls it.
    void applyDesign(const SpreadDesign &design, int active);
    // Records the change from the shown design to `design` on the undo stack.
    void change(const SpreadDesign &design, int active, const QString &text, int mergeId = -1);
    void makeActive(int index);
    void showCoordinates(const QPoint &place);
    // Sizes the surface to reach every box, also left of and above the area.
    void fitCanvas();
    // Where box `index` stands on the surface: the position's card, turned
    // when the table lays it across.
    QRect boxRect(int index, bool across) const;
    void showList();
    void showPreview(bool shown);

    void onBoxPressed(int index, Qt::MouseButton button);
    void onBoxDragged(int index, const QPoint &moved);
    void onBoxDropped(int index, const QPoint &moved);
    void addPosition();
    void deletePosition();
    void editExplanation();
    void setExplanationText(int index, const QString &text);
    void movePosition(int from, int to);
    // Saves and closes; false when the user stopped it or it failed.
    bool save();
    // Asks for the new spread's name until it is one a file can have and not
    // `refused`; empty when the user cancels.
    QString askName(const QString &refused = {});
    // The name to save under once saved readings are safe: the spread's own,
    // a new one, or empty when the user stopped.
    QString nameKeepingReadings(const SpreadDesign &design);

    const UiTextTable &m_texts;
    Interaction &m_interaction;
    DataRoots m_roots;
    QString m_name;
    QString m_savedName;
    QString m_loadFault;
    QString m_language;
    QColor m_background;
    QSize m_areaSize;
    QPoint m_origin;
    SpreadDesign m_design;
    // The spread as its file held it, whose counts saved readings rely on.
    SpreadDesign m_loaded;
    QList<PositionBox *> m_boxes;
    int m_active = -1;
    QUndoStack *m_undo;
    RandomGenerator m_random;
};
