// Talks to the VST 2 build the way any host does: through its entry point and dispatcher, without JUCE in
// between. Opcodes and flag bits are written as numbers so that a wrong value in the headers the plug-in
// was built with cannot hide here.
#include <pluginterfaces/vst2.x/aeffectx.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <string>

namespace
{
using EntryPoint = AEffect* (*)(audioMasterCallback);

VstIntPtr minimalHost(AEffect*, int opcode, int, VstIntPtr, void*, float)
{
    constexpr int audioMasterVersion = 1;
    return opcode == audioMasterVersion ? 2400 : 0;
}

struct NumberQuery
{
    const char* name;
    int opcode;
    VstIntPtr expected;
};

struct TextQuery
{
    const char* name;
    int opcode;
    const char* expected;
};

class Vst2Entry : public testing::Test
{
protected:
    void SetUp() override
    {
        library = dlopen(VELA_VST2_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();

        const auto entry = reinterpret_cast<EntryPoint>(dlsym(library, "VSTPluginMain"));
        ASSERT_NE(entry, nullptr) << "no VSTPluginMain";

        effect = entry(minimalHost);
        ASSERT_NE(effect, nullptr);
    }

    void TearDown() override
    {
        constexpr int effClose = 1;

        if (effect != nullptr)
            dispatch(effClose);

        if (library != nullptr)
            dlclose(library);
    }

    VstIntPtr dispatch(int opcode, void* data = nullptr) const
    {
        return effect->dispatcher(effect, opcode, 0, 0, data, 0.0f);
    }

    void* library = nullptr;
    AEffect* effect = nullptr;
};

TEST_F(Vst2Entry, HeaderDescribesAStereoEffectWithEditorAndChunks)
{
    constexpr std::int32_t vstMagic = 0x56737450; // 'VstP'
    constexpr std::int32_t delaId = 0x64656C61;   // 'dela'
    constexpr VstIntPtr hasEditor = 1 << 0;
    constexpr VstIntPtr canReplacing = 1 << 4;
    constexpr VstIntPtr programChunks = 1 << 5;
    constexpr VstIntPtr isSynth = 1 << 8;

    EXPECT_EQ(effect->magic, vstMagic);
    EXPECT_EQ(effect->uniqueID, delaId);
    EXPECT_EQ(effect->numInputs, 2);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->numParams, 14);
    EXPECT_EQ(effect->flags & hasEditor, hasEditor);
    EXPECT_EQ(effect->flags & canReplacing, canReplacing);
    EXPECT_EQ(effect->flags & programChunks, programChunks);
    EXPECT_EQ(effect->flags & isSynth, 0);
}

TEST_F(Vst2Entry, AnswersTheVersionAndCategoryQueries)
{
    const NumberQuery queries[] {
        { "effGetPlugCategory", 35, 1 }, // effect
        { "effGetVendorVersion", 49, 103 },
        { "effGetVstVersion", 58, 2400 },
    };

    for (const auto& query : queries)
        EXPECT_EQ(dispatch(query.opcode), query.expected) << query.name;
}

TEST_F(Vst2Entry, AnswersTheNameQueries)
{
    const TextQuery queries[] {
        { "effGetEffectName", 45, "Vela" },
        { "effGetVendorString", 47, "Quillon" },
        { "effGetProductString", 48, "Vela" },
    };

    for (const auto& query : queries)
    {
        char text[256] {};
        dispatch(query.opcode, text);
        EXPECT_EQ(std::string(text), query.expected) << query.name;
    }
}
} // namespace
