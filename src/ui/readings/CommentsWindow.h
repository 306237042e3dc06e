#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class UiTextTable;

// The Comments dialog: takes the comments of a reading being saved and,
// kept open beside the table, shows those of an opened one.
class CommentsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit CommentsWindow(const UiTextTable &texts, QWidget *parent = nullptr);

    // Takes the caption and button texts of a newly chosen language.
    void retranslate(const UiTextTable &texts);
    // With "No comments" hidden, OK moves to the middle.
    void centreOkButton();

    QPlainTextEdit *commentsEdit;
    QPushButton *okButton;
    QPushButton *noCommentsButton;
};
