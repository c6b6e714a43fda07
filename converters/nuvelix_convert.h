#pragma once

#include "toolplaceholder.h"

// Unit converter (a placeholder until the tool is built).
class nuvelix_convert : public ToolPlaceholder
{
    Q_OBJECT

public:
    explicit nuvelix_convert(QWidget *parent = nullptr)
        : ToolPlaceholder(QStringLiteral("nuvelix_convert"), parent)
    {}
};
