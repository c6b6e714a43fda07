#include "openglcheck.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QSurfaceFormat>

namespace {
bool tryOpenGl()
{
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    QOpenGLContext context;
    context.setFormat(format);
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface))
        return false;
    const bool answers = context.functions()->glGetString(GL_VERSION) != nullptr;
    context.doneCurrent();
    const QPair<int, int> needed = context.isOpenGLES() ? qMakePair(2, 0) : qMakePair(2, 1);
    return answers && context.format().version() >= needed;
}
} // namespace

bool openGlAvailable()
{
    static const bool available = tryOpenGl();
    return available;
}
