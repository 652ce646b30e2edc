// What a VST3 host reads of each parameter from the edit controller's ParameterInfo, which JUCE's hosting classes
// keep to themselves: here the module is loaded as a host loads it, through the SDK's own interfaces.
#include "ExpectedParameters.h"
#include "HostedPlugin.h"

#include <pluginterfaces/base/ipluginbase.h>
#include <pluginterfaces/vst/ivstaudioprocessor.h>
#include <pluginterfaces/vst/ivstcomponent.h>
#include <pluginterfaces/vst/ivsteditcontroller.h>
#include <pluginterfaces/vst/ivstmessage.h>
#include <public.sdk/source/vst/hosting/hostclasses.h>

#include <dlfcn.h>

#include <cstring>
#include <map>

namespace
{
using namespace Steinberg;

juce::String fromString128(const Vst::String128 text)
{
    return juce::String(juce::CharPointer_UTF16(reinterpret_cast<const juce::CharPointer_UTF16::CharType*>(text)));
}

// The module's entry and factory, and one component with its edit controller, connected as hosts connect them.
class Vst3Controller
{
public:
    Vst3Controller()
    {
        const auto binaries = juce::File(vst3Bundle()).findChildFiles(juce::File::findFiles, true, "*.so");
        if (binaries.size() != 1
            || (module = dlopen(binaries[0].getFullPathName().toRawUTF8(), RTLD_NOW | RTLD_LOCAL)) == nullptr)
            return;

        using Entry = bool (*)(void*);
        using GetFactory = IPluginFactory*(PLUGIN_API*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(module, "ModuleEntry"));
        const auto getFactory = reinterpret_cast<GetFactory>(dlsym(module, "GetPluginFactory"));
        if (entry == nullptr || getFactory == nullptr || ! (entered = entry(module)))
            return;

        factory = owned(getFactory());
        for (int32 i = 0; i < factory->countClasses() && component == nullptr; ++i)
        {
            PClassInfo info {};
            if (factory->getClassInfo(i, &info) == kResultOk && std::strcmp(info.category, kVstAudioEffectClass) == 0)
                factory->createInstance(info.cid, Vst::IComponent::iid, reinterpret_cast<void**>(&component));
        }

        TUID controllerId {};
        if (component == nullptr || component->initialize(&host) != kResultOk
            || component->getControllerClassId(controllerId) != kResultOk
            || factory->createInstance(controllerId, Vst::IEditController::iid, reinterpret_cast<void**>(&controller))
                   != kResultOk
            || controller->initialize(&host) != kResultOk)
            return;

        componentPoint = FUnknownPtr<Vst::IConnectionPoint>(component);
        controllerPoint = FUnknownPtr<Vst::IConnectionPoint>(controller);
        if (componentPoint != nullptr && controllerPoint != nullptr)
        {
            controllerPoint->connect(componentPoint);
            componentPoint->connect(controllerPoint);
        }
    }

    ~Vst3Controller()
    {
        if (componentPoint != nullptr && controllerPoint != nullptr)
        {
            controllerPoint->disconnect(componentPoint);
            componentPoint->disconnect(controllerPoint);
        }
        componentPoint = nullptr;
        controllerPoint = nullptr;
        if (controller != nullptr)
            controller->terminate();
        if (component != nullptr)
            component->terminate();
        controller = nullptr;
        component = nullptr;
        factory = nullptr;

        if (entered)
            reinterpret_cast<bool (*)()>(dlsym(module, "ModuleExit"))();
        if (module != nullptr)
            dlclose(module);
    }

    // Flags by parameter title.
    std::map<juce::String, int32> parameterFlags() const
    {
        std::map<juce::String, int32> flags;
        for (int32 i = 0; controller != nullptr && i < controller->getParameterCount(); ++i)
        {
            Vst::ParameterInfo info {};
            if (controller->getParameterInfo(i, info) == kResultOk)
                flags[fromString128(info.title)] = info.flags;
        }
        return flags;
    }

private:
    void* module = nullptr;
    bool entered = false;
    // The SDK's host object counts no references (its release never deletes it): it lives here, by value, and
    // outlives the component and controller that were given it.
    Vst::HostApplication host;
    IPtr<IPluginFactory> factory;
    IPtr<Vst::IComponent> component;
    IPtr<Vst::IEditController> controller;
    IPtr<Vst::IConnectionPoint> componentPoint;
    IPtr<Vst::IConnectionPoint> controllerPoint;
};
} // namespace

// Hosts offer a parameter with kIsList as a drop-down of its value texts; a switch stays a toggle.
TEST(Vst3ParameterInfo, ChoicesAreListsAndTheRestAreNot)
{
    const Vst3Controller plugin;
    const auto flags = plugin.parameterFlags();

    for (const auto& expected : expectedParameters)
    {
        const auto found = flags.find(expected.name);
        ASSERT_NE(found, flags.end()) << expected.name;
        EXPECT_EQ((found->second & Vst::ParameterInfo::kIsList) != 0, expected.choices.size() > 2) << expected.name;
        EXPECT_NE(found->second & Vst::ParameterInfo::kCanAutomate, 0) << expected.name;
    }
}
