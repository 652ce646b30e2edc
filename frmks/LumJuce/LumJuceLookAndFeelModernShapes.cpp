// Title-bar buttons and the tick and cross shapes.
#include "LumJuceLookAndFeelModern.h"
#include "LumJuceLookAndFeelModern_DocumentWindowButton.h"

using namespace juce;

Button* LumJuceLookAndFeelModern::createDocumentWindowButton(int buttonType)
{
    Path shape;

    if (buttonType == DocumentWindow::closeButton)
    {
        shape.addLineSegment(Line<float>(0.0f, 0.0f, 1.0f, 1.0f), 0.35f);
        shape.addLineSegment(Line<float>(1.0f, 0.0f, 0.0f, 1.0f), 0.35f);
        return new LumJuceLookAndFeelModern_DocumentWindowButton("close", Colour(0xffdd1100), shape, shape);
    }

    if (buttonType == DocumentWindow::minimiseButton)
    {
        shape.addLineSegment(Line<float>(0.0f, 0.5f, 1.0f, 0.5f), 0.25f);
        return new LumJuceLookAndFeelModern_DocumentWindowButton("minimise", Colour(0xffaa8811), shape, shape);
    }

    if (buttonType == DocumentWindow::maximiseButton)
    {
        shape.addLineSegment(Line<float>(0.5f, 0.0f, 0.5f, 1.0f), 0.25f);
        shape.addLineSegment(Line<float>(0.0f, 0.5f, 1.0f, 0.5f), 0.25f);

        // Two overlapping window frames: the "restore" sign shown while the window is full screen.
        Path restoreShape;
        restoreShape.startNewSubPath(45.0f, 100.0f);
        restoreShape.lineTo(0.0f, 100.0f);
        restoreShape.lineTo(0.0f, 0.0f);
        restoreShape.lineTo(100.0f, 0.0f);
        restoreShape.lineTo(100.0f, 45.0f);
        restoreShape.addRectangle(45.0f, 45.0f, 100.0f, 100.0f);
        PathStrokeType(30.0f).createStrokedPath(restoreShape, restoreShape);

        return new LumJuceLookAndFeelModern_DocumentWindowButton("maximise", Colour(0xff119911), shape, restoreShape);
    }

    jassertfalse;
    return nullptr;
}

static Path loadShapeScaledTo(const unsigned char* data, size_t size, float height)
{
    Path shape;
    shape.loadPathFromData(data, size);
    shape.scaleToFit(0.0f, 0.0f, 2.0f * height, height, true);
    return shape;
}

Path LumJuceLookAndFeelModern::getTickShape(float height)
{
    static const unsigned char tickData[] = {
        110, 109, 32,  210, 202, 64,  126, 183, 148, 64,  108, 39,  244, 247, 64,  245, 76,  124, 64,  108,
        178, 131, 27,  65,  246, 76,  252, 64,  108, 175, 242, 4,   65,  246, 76,  252, 64,  108, 236, 5,
        68,  65,  0,   0,   160, 180, 108, 240, 150, 90,  65,  21,  136, 52,  63,  108, 48,  59,  16,  65,
        0,   0,   32,  65,  108, 32,  210, 202, 64,  126, 183, 148, 64,  99,  101, 0,   0
    };
    static_assert(sizeof(tickData) == 77, "eight points, close, end and two zero bytes");
    return loadShapeScaledTo(tickData, sizeof(tickData), height);
}

Path LumJuceLookAndFeelModern::getCrossShape(float height)
{
    static const unsigned char crossData[] = {
        110, 109, 88,  57,  198, 65,  29,  90,  171, 65,  108, 63,  53,  154, 65,  8,   172, 126, 65,  108, 76,
        55,  198, 65,  215, 163, 38,  65,  108, 141, 151, 175, 65,  82,  184, 242, 64,  108, 117, 147, 131, 65,
        90,  100, 81,  65,  108, 184, 30,  47,  65,  82,  184, 242, 64,  108, 59,  223, 1,   65,  215, 163, 38,
        65,  108, 84,  227, 89,  65,  8,   172, 126, 65,  108, 35,  219, 1,   65,  29,  90,  171, 65,  108, 209,
        34,  47,  65,  231, 251, 193, 65,  108, 117, 147, 131, 65,  207, 247, 149, 65,  108, 129, 149, 175, 65,
        231, 251, 193, 65,  99,  101, 0,   0
    };
    static_assert(sizeof(crossData) == 113, "twelve points, close, end and two zero bytes");
    return loadShapeScaledTo(crossData, sizeof(crossData), height);
}
