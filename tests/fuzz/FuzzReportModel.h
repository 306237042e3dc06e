#pragma once

// The report model of a reading whose texts come from files, as the report
// targets build it from one input: the texts one after another, each ended
// by a NUL byte: the spread text first, then the comments, the spread name
// and one meaning per position.

#include "core/reports/ReportModel.h"
#include "core/spreads/PositionLabels.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"
#include "core/table/TableGeometry.h"
#include "core/util/TextCodec.h"

#include <QByteArray>
#include <QList>

inline ReportModel fuzzReportModel(const QByteArray &input)
{
    const QList<QByteArray> parts = input.split('\0');
    const auto part = [&parts](int index) {
        return index < parts.size() ? parts.at(index) : QByteArray();
    };
    Spread spread;
    if (!SpreadText::parse(part(0), spread, nullptr))
        spread.positions.clear();
    const QString language = QStringLiteral("English");

    ReportModel model;
    model.comments = TextCodec::decode(part(1), language);
    model.spreadName = TextCodec::decode(part(2), language);
    model.slotSize = TableGeometry::PositionSize;
    for (int i = 0; i < spread.positionCount(); ++i) {
        ReportModel::Position position;
        position.place = spread.positions.at(i).place;
        position.significator = spread.positions.at(i).significator;
        position.card = i;
        position.reversed = i % 2 == 1;
        position.label = QString::fromLatin1(PositionLabels::reportLabel(spread, i));
        position.heading = TextCodec::decode(PositionLabels::hint(spread, i), language);
        position.documentHeading =
            TextCodec::decode(PositionLabels::documentHeading(spread, i), language);
        position.cardTitle = QStringLiteral("Card");
        position.meaning = TextCodec::decode(part(3 + i), language);
        model.positions.append(position);
    }
    return model;
}
