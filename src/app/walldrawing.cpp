// Wall drawing with the mouse and the distance readout that follows the pointer.
#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

#include "app/form1.h"
#include "document/mapdocument.h"
#include "picture/mapgeometry.h"

using ::Routeseer::onMap;

namespace {

// The readout box sits this far right of the pointer, counted in window pixels from the pointer's
// picture position.
constexpr float ReadoutOffset = 35;

// Nearest whole pixel, halves to the even neighbour.
int roundHalfEven(float value) { return static_cast<int>(std::nearbyint(value)); }

constexpr std::int16_t LeftButtonAlone = 1;

} // namespace

void Form1::Picture1_MouseMove(std::int16_t Button, std::int16_t /*Shift*/, float X, float Y)
{
    if (Check1->isChecked())
        Text1->move(roundHalfEven(X + ReadoutOffset), roundHalfEven(Y));

    const int column = MapView::squareAt(X);
    const int row = MapView::squareAt(Y);
    if (onMap(column, row))
        Text1->setText(QString::number(::Routeseer::DistanceGrid(column, row)));

    if (Button == LeftButtonAlone)
        map->brush(column, row);
}

void Form1::Check1_Click() { Text1->setVisible(Check1->isChecked()); }
