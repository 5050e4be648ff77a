#include "point_list_drawer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "sim/simulator.h"

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
    const uint8_t* frame = qs9FrameBuffer();
    const uint32_t* palette = qs9Palette();
    glBegin(GL_POINTS);
    for (int y = 0; y < QS9_DISPLAY_HEIGHT; ++y) {
        for (int x = 0; x < QS9_DISPLAY_WIDTH; ++x) {
            const uint32_t colour = palette[frame[x + QS9_DISPLAY_WIDTH * y]];
            if (colour == 0)
                continue;
            glColor3ub(GLubyte(colour >> 16), GLubyte(colour >> 8), GLubyte(colour));
            glVertex2i(x, y);
        }
    }
    glEnd();
}
