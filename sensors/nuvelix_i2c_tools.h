#pragma once

#include "toolplaceholder.h"

// I2C register table (a placeholder until the tool is built).
class nuvelix_i2c_tools : public ToolPlaceholder
{
    Q_OBJECT

public:
    explicit nuvelix_i2c_tools(QWidget *parent = nullptr)
        : ToolPlaceholder(QStringLiteral("nuvelix_i2c_tools"), parent)
    {}
};
