#pragma once

#include "toolplaceholder.h"

// Time-of-flight distance display (a placeholder until the tool is built).
class nuvelix_tof : public ToolPlaceholder
{
    Q_OBJECT

public:
    explicit nuvelix_tof(QWidget *parent = nullptr)
        : ToolPlaceholder(QStringLiteral("nuvelix_tof"), parent)
    {}
};
