#pragma once

#include "toolplaceholder.h"

// Gauge of one environment reading (a placeholder until the tool is built).
class DashBoard : public ToolPlaceholder
{
    Q_OBJECT

public:
    explicit DashBoard(QWidget *parent = nullptr)
        : ToolPlaceholder(QStringLiteral("DashBoard"), parent)
    {}
};
