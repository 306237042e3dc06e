#pragma once

#include <QListWidget>

#include <functional>

// The positions of a spread in the order they are drawn, the order of the
// spread file: each with its label and explanation. Explanations are
// edited in place; a drag or Ctrl+Up/Down asks to move a position. The
// editor owns the design: the list only shows it and says what the user asked.
class PositionList : public QListWidget
{
    Q_OBJECT

public:
    struct Row
    {
        QString label;
        QString explanation;
        // A significator's explanation is the fixed significator text.
        bool editable = true;
    };

    explicit PositionList(QWidget *parent = nullptr);

    void showRows(const QList<Row> &rows, int current);

signals:
    void positionChosen(int index);
    void explanationEdited(int index, const QString &text);
    void moveRequested(int from, int to);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Emitted once the list's own handling is over: the editor then rebuilds it.
    void later(const std::function<void()> &signal);

    bool m_filling = false;
};
