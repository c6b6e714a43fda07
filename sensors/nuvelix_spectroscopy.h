#pragma once

#include "toolplaceholder.h"

// Spectrometer display (a placeholder until the tool is built).
class nuvelix_spectroscopy : public ToolPlaceholder
{
    Q_OBJECT

public:
    explicit nuvelix_spectroscopy(QWidget *parent = nullptr)
        : ToolPlaceholder(QStringLiteral("nuvelix_spectroscopy"), parent)
    {}
};
