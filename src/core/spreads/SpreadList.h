#pragma once

#include <QStringList>

// The order in which spreads are offered to the user.
namespace SpreadList {

// Drops empty names, puts the three everyday spreads first (English or
// Russian names, in this order: Seven Cards Ellipse, Relationship, Question)
// and sorts the rest case-insensitively in the user's collation.
void arrange(QStringList &names);

} // namespace SpreadList
