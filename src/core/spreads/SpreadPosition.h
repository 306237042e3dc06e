#pragma once

#include <QByteArray>
#include <QPoint>

// One position of a spread's design: where it lies in the spread file's
// coordinates, what it stands for, and whether its card is a significator
// chosen by hand.
struct SpreadPosition
{
    QPoint place;
    QByteArray explanation;
    bool significator = false;

    friend bool operator==(const SpreadPosition &a, const SpreadPosition &b)
    {
        return a.place == b.place && a.explanation == b.explanation &&
               a.significator == b.significator;
    }
    friend bool operator!=(const SpreadPosition &a, const SpreadPosition &b) { return !(a == b); }
};
