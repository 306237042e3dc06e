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
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QUndoStack;
class UiTextTable;

// The spread editor: one card-sized box per position on an area the size of
// the table's spread area, so a box stands where the position's card will
// lie. Boxes are dragged with the mouse or moved with the arrow keys; Add,
// Delete and the explanation dialog change the positions; every change can
// be undone. Save checks the spread, names a new one and writes its file.
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

    QScrollArea *editingArea;
    QWidget *canvas;
    QPushButton *addButton;
    QPushButton *deleteButton;
    QPushButton *explanationButton;
    QPushButton *saveButton;
    QPushButton *cancelButton;
    // The active box's place, in the spread file's coordinates.
    QLabel *coordinatesLabel;
    QAction *undoAction;
    QAction *redoAction;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class SpreadDesignChange;

    // Shows `design` with `active` highlighted; the undo stack calls it.
    void applyDesign(const SpreadDesign &design, int active);
    // Records the change from the shown design to `design` on the undo stack.
    void change(const SpreadDesign &design, int active, const QString &text, int mergeId = -1);
    void makeActive(int index);
    void showCoordinates(const QPoint &place);
    void fitCanvas();

    void onBoxPressed(int index, Qt::MouseButton button);
    void onBoxDragged(int index, const QPoint &topLeft);
    void onBoxDropped(int index, const QPoint &from, const QPoint &to);
    void addPosition();
    void deletePosition();
    void editExplanation();
    void save();
    // Asks for the new spread's name until it is one a file can have; empty
    // when the user cancels.
    QString askName();

    const UiTextTable &m_texts;
    Interaction &m_interaction;
    DataRoots m_roots;
    QString m_name;
    QString m_savedName;
    QString m_loadFault;
    QColor m_background;
    QSize m_areaSize;
    SpreadDesign m_design;
    QList<PositionBox *> m_boxes;
    int m_active = -1;
    QUndoStack *m_undo;
    RandomGenerator m_random;
};
