#include "toolplaceholder.h"

ToolPlaceholder::ToolPlaceholder(const QString &toolName, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(toolName);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(120, 80);
    setFrameShape(QFrame::StyledPanel);
    setText(tr("%1\n(not available in this build)").arg(toolName));
}
