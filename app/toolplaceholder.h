#pragma once

#include <QLabel>

// Stands in the place of a tool widget that this build does not carry yet:
// it names the tool, so the page shows what will be there.
class ToolPlaceholder : public QLabel
{
    Q_OBJECT

public:
    ToolPlaceholder(const QString &toolName, QWidget *parent);
};
