#include "SpParser.h"

TSpreadParser::TSpreadParser()
{
    ResetSpread();
}

void TSpreadParser::ResetSpread()
{
    PositionCount = 0;
    SignificatorCount = 0;
    CardAt.fill(-1);
    PosX.fill(-200);
    PosY.fill(-200);
    Filled.fill(false);
    Revealed.fill(false);
    PositionReversed.fill(false);
    IsSignificator.fill(false);
}

void TSpreadParser::NewSpread()
{
    PositionCount = 0;
    SignificatorCount = 0;
    PosX.fill(100);
    PosY.fill(20);
    IsSignificator.fill(false);
    Explanation.fill(QByteArray());
}
