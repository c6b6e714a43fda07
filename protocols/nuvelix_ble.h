#pragma once

#include "toolplaceholder.h"

// Bluetooth Low Energy browser (a placeholder until the tool is built).
class nuvelix_ble : public ToolPlaceholder
{
    Q_OBJECT

public:
    explicit nuvelix_ble(QWidget *parent = nullptr)
        : ToolPlaceholder(QStringLiteral("nuvelix_ble"), parent)
    {}
};
