#include "EditorFixture.h"
#include "SnapshotComparison.h"

using EditorSnapshot = EditorFixture;

TEST_F(EditorSnapshot, DefaultStateLooksAsItDid)
{
    expectLooksLike(editor->createComponentSnapshot(editor->getLocalBounds(), true, 1.0f),
                    juce::File(VELA_EDITOR_REFERENCE));
}
