#include "host/point_list_drawer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "display/framebuffer.h"

void setPointListProjection(int panelWidth, int panelHeight)
{
    glViewport(0, -1, panelWidth, panelHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, panelWidth, panelHeight, -1.0);
    glMatrixMode(GL_MODELVIEW);
}

void drawFrameAsPoints()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glBegin(GL_POINTS);
    for (int y = 0; y < displayHeight; ++y) {
        for (int x = 0; x < displayWidth; ++x) {
            const uint32_t colour = palette[frameBuffer[x + displayWidth * y]];
            if (colour == 0)
                continue;
            glColor3ub(GLubyte(colour >> 16), GLubyte(colour >> 8), GLubyte(colour));
            glVertex2i(x, y);
        }
    }
    glEnd();
}
