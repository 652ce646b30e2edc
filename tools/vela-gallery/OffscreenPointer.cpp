#include "OffscreenPointer.h"

using namespace juce;

namespace
{
// Screen and window coordinates are the same: the window sits at the origin and is never shown.
class PeerWithoutWindow : public ComponentPeer
{
public:
    PeerWithoutWindow(Component& c, int windowStyle) : ComponentPeer(c, windowStyle) {}

    using ComponentPeer::globalToLocal;
    using ComponentPeer::localToGlobal;

    void* getNativeHandle() const override { return nullptr; }
    void setVisible(bool) override {}
    void setTitle(const String&) override {}
    void setBounds(const Rectangle<int>&, bool) override {}
    Rectangle<int> getBounds() const override { return component.getLocalBounds(); }
    Point<float> localToGlobal(Point<float> p) override { return p; }
    Point<float> globalToLocal(Point<float> p) override { return p; }
    void setMinimised(bool) override {}
    bool isMinimised() const override { return false; }
    void setFullScreen(bool) override {}
    bool isFullScreen() const override { return false; }
    void setIcon(const Image&) override {}
    bool contains(Point<int> p, bool) const override { return component.getLocalBounds().contains(p); }
    OptionalBorderSize getFrameSizeIfPresent() const override { return {}; }
    BorderSize<int> getFrameSize() const override { return {}; }
    bool setAlwaysOnTop(bool) override { return false; }
    void toFront(bool) override {}
    void toBehind(ComponentPeer*) override {}
    bool isFocused() const override { return false; }
    void grabFocus() override {}
    void repaint(const Rectangle<int>&) override {}
    void performAnyPendingRepaintsNow() override {}
    void setAlpha(float) override {}
    StringArray getAvailableRenderingEngines() override { return {}; }
    void textInputRequired(Point<int>, TextInputTarget&) override {}
};
} // namespace

class OffscreenPointer::Host : public Component
{
    ComponentPeer* createNewPeer(int windowStyle, void*) override { return new PeerWithoutWindow(*this, windowStyle); }
};

OffscreenPointer::OffscreenPointer(Component& c) : content(c), host(std::make_unique<Host>())
{
    jassert(content.getParentComponent() == nullptr);
    host->setBounds(content.getLocalBounds());
    host->addAndMakeVisible(content);
    // What is not visible is never under the pointer.
    host->setVisible(true);
    host->addToDesktop(0);
}

OffscreenPointer::~OffscreenPointer()
{
    moveAway();
    host->removeFromDesktop();
    host->removeChildComponent(&content);
}

static void movePointerTo(Component& host, Point<float> position)
{
    host.getPeer()->handleMouseEvent(MouseInputSource::InputSourceType::mouse, position, ModifierKeys(),
                                     MouseInputSource::defaultPressure, MouseInputSource::defaultOrientation,
                                     Time::currentTimeMillis());
}

void OffscreenPointer::moveOnto(Component& target)
{
    const auto position = host->getLocalPoint(&target, target.getLocalBounds().getCentre());

    // Any cursor but the normal one would be sent to the window, which does not exist.
    for (auto* c = host->getComponentAt(position); c != nullptr; c = c->getParentComponent())
        c->setMouseCursor(MouseCursor::NormalCursor);

    movePointerTo(*host, position.toFloat());
}

void OffscreenPointer::moveAway()
{
    movePointerTo(*host, { -100.0f, -100.0f });
}
