#include "LumDSPEffect.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
class TestEntity : public LumDSPEntity
{
public:
    TestEntity() : LumDSPEntity(44100.0f) {}
};

class Registry : public ::testing::Test
{
protected:
    void SetUp() override { LumDSPEntity::addr = 0; }

    LumDSPParameter registerAt(LumDSPEntity& entity, LumDSPParameter& p, const char* id, int address)
    {
        entity.initParameter(id, id, address, 0.0f, 1.0f, {}, LumDSPParameterUnitGeneric, 0.0f, &p);
        return p;
    }
};
} // namespace

TEST_F(Registry, AutomaticAddressesAreSharedAndAdvanceOnEveryRegistration)
{
    TestEntity first;
    TestEntity second;
    LumDSPParameter a, b, c, d, e;

    registerAt(first, a, "a", -1);
    registerAt(second, b, "b", -1);
    registerAt(first, c, "c", -1);
    registerAt(first, d, "d", 7);
    registerAt(second, e, "e", -1);

    EXPECT_EQ(a.address, 0);
    EXPECT_EQ(b.address, 1);
    EXPECT_EQ(c.address, 2);
    EXPECT_EQ(d.address, 7);
    EXPECT_EQ(e.address, 4);
    EXPECT_EQ(LumDSPEntity::addr, 5);
}

TEST_F(Registry, NegativeAddressesOtherThanMinusOne)
{
    TestEntity entity;
    LumDSPParameter viaInit, direct;

    LumDSPEntity::addr = 3;
    registerAt(entity, viaInit, "viaInit", -5);
    EXPECT_EQ(viaInit.address, 3);

    direct.identifier = "direct";
    direct.address = -5;
    entity.registerParameter(&direct);
    EXPECT_EQ(direct.address, -5);
    EXPECT_EQ(entity.parameterValueForAddress(-5), 0.0f);
}

TEST_F(Registry, RegistrationPrintsTheDiagnosticLineOnStderrOnly)
{
    TestEntity entity;
    LumDSPParameter p;

    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    registerAt(entity, p, "gain", -1);
    const auto printedOnStderr = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(printedOnStderr, "[DSP] register parameter gain at address: 0\n");
}

TEST_F(Registry, InitParameterFillsTheRecordAndNormalisesByMaximum)
{
    TestEntity entity;
    LumDSPParameter p;
    entity.initParameter("Level", "level", 2, 10.0f, 20.0f, { "lo", "hi" }, LumDSPParameterUnitPercent, 15.0f, &p,
                         false);

    EXPECT_EQ(p.name, "Level");
    EXPECT_EQ(p.identifier, "level");
    EXPECT_EQ(p.address, 2);
    EXPECT_EQ(p.valueStrings.size(), 2u);
    EXPECT_EQ(p.unit, LumDSPParameterUnitPercent);
    EXPECT_FLOAT_EQ(p.value, 15.0f);
    EXPECT_FLOAT_EQ(p.normalisedValue, 0.75f);
    EXPECT_EQ(p.conditionAddress, -1);
    EXPECT_EQ(entity.numberOfParameters(), 0);
}

TEST_F(Registry, SetValueByAddressUpdatesValueAndNormalisedValue)
{
    TestEntity entity;
    LumDSPParameter p;
    entity.initParameter("Level", "level", 4, 10.0f, 20.0f, {}, LumDSPParameterUnitGeneric, 10.0f, &p);

    entity.setParameterValueForAddress(4, 15.0f);

    EXPECT_FLOAT_EQ(entity.parameterValueForAddress(4), 15.0f);
    EXPECT_FLOAT_EQ(p.normalisedValue, 0.75f);
}

TEST_F(Registry, UnknownAddressesThrowAndChangeNothing)
{
    TestEntity entity;
    EXPECT_THROW(entity.parameterValueForAddress(0), std::out_of_range);
    EXPECT_THROW(entity.setParameterValueForAddress(3, 1.0f), std::out_of_range);

    LumDSPParameter p, dependent;
    registerAt(entity, p, "p", 0);
    registerAt(entity, dependent, "dependent", 1);
    dependent.conditionAddress = 9;
    EXPECT_THROW(entity.parameters(), std::out_of_range);
}

TEST_F(Registry, TakenAddressKeepsTheFirstParameter)
{
    TestEntity entity;
    LumDSPParameter first, second;
    registerAt(entity, first, "first", 5);
    registerAt(entity, second, "second", 5);
    first.value = 1.0f;
    second.value = 2.0f;

    EXPECT_EQ(entity.numberOfParameters(), 1);
    EXPECT_EQ(entity.parameterValueForAddress(5), 1.0f);
    EXPECT_EQ(entity.parameters()->size(), 1u);
}

TEST_F(Registry, ListingFollowsConditionsInAddressOrder)
{
    struct Case
    {
        float switchValue;
        size_t listed;
    };

    for (const Case& c : { Case { 1.0f, 3u }, Case { 0.0f, 2u } })
    {
        TestEntity entity;
        LumDSPParameter late, early, switchParameter;
        registerAt(entity, late, "late", 9);
        registerAt(entity, early, "early", 1);
        registerAt(entity, switchParameter, "switch", 4);
        late.conditionAddress = 4;
        late.conditionValue = 1.0f;
        switchParameter.value = c.switchValue;

        const auto* listed = entity.parameters();
        ASSERT_EQ(listed->size(), c.listed) << "switch at " << c.switchValue;
        EXPECT_EQ(listed->front(), &early);
    }
}
