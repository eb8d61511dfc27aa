#include "clock/Calendar.h"

#include <QPainter>

Calendar::Calendar(QWidget* parent) : QWidget(parent), mCell(cellClass()())
{
    mCell->setControlView(this);
}

Calendar::~Calendar() = default;

Calendar::CellFactory Calendar::cellClass()
{
    return [] { return std::make_unique<CalendarCell>(); };
}

void Calendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    mCell->drawWithFrameInView(VERect(0, 0, static_cast<float>(width()), static_cast<float>(height())), painter,
                               this);
}
