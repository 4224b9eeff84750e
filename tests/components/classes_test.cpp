// Class information, the class registry, resource strings and unit start-up.
#include <gtest/gtest.h>

#include "core/collection.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/lists.h"
#include "core/resourcestrings.h"
#include "core/rtlconsts.h"
#include "core/streams.h"
#include "core/stringlist.h"
#include "core/unitinit.h"

using namespace tv;

namespace {

class TBaseThing : public TComponent {
    TV_CLASS(TBaseThing, TComponent)
public:
    using TComponent::TComponent;
};
class TMiddleThing : public TBaseThing {
    TV_CLASS(TMiddleThing, TBaseThing)
public:
    using TBaseThing::TBaseThing;
};
class TLeafThing : public TMiddleThing {
    TV_CLASS(TLeafThing, TMiddleThing)
public:
    using TMiddleThing::TMiddleThing;
};
class TAbstractThing : public TComponent {
    TV_CLASS(TAbstractThing, TComponent)
public:
    using TComponent::TComponent;
    virtual void Run() = 0;
};

TEST(ClassInfo, NameParentAndInheritance) {
    TLeafThing leaf;
    EXPECT_EQ(leaf.ClassName(), "TLeafThing");
    EXPECT_EQ(leaf.ClassParent(), TMiddleThing::StaticClass());
    EXPECT_EQ(leaf.ClassType(), TLeafThing::StaticClass());
    EXPECT_TRUE(leaf.InheritsFrom(TBaseThing::StaticClass()));
    EXPECT_TRUE(leaf.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TBaseThing::StaticClass()->InheritsFrom(TLeafThing::StaticClass()));
    EXPECT_TRUE(leaf.ClassNameIs("tleafthing"));
    TStringList s;
    EXPECT_EQ(s.ClassParent()->ClassName(), "TStrings");
    EXPECT_EQ(InheritanceDistance(TLeafThing::StaticClass(), TBaseThing::StaticClass()), 2);
    EXPECT_EQ(InheritanceDistance(TBaseThing::StaticClass(), TLeafThing::StaticClass()), -1);
}

TEST(ClassInfo, TheFactoryCreatesComponentsWithTheirOwner) {
    TComponent owner;
    TObject* obj = TLeafThing::StaticClass()->Create(&owner);
    auto* leaf = dynamic_cast<TLeafThing*>(obj);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->Owner(), &owner);
    delete TStringList::StaticClass()->Create();
    EXPECT_THROW(TAbstractThing::StaticClass()->Create(&owner), EInvalidOperation);
    EXPECT_THROW(TStrings::StaticClass()->Create(), EInvalidOperation);
}

TEST(ClassRegistry, FindsRegisteredClassesByNameAndNamesTheMissingOne) {
    RegisterClasses({TBaseThing::StaticClass(), TLeafThing::StaticClass()});
    EXPECT_EQ(FindClass("tbasething"), TBaseThing::StaticClass());
    EXPECT_EQ(GetClass("TMiddleThing"), nullptr);
    try {
        FindClass("TMiddleThing");
        FAIL() << "no exception";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TMiddleThing not found");
    }
    // The nearest registered class of the chain.
    EXPECT_EQ(NearestRegisteredClass(TMiddleThing::StaticClass()), TBaseThing::StaticClass());
    EXPECT_EQ(NearestRegisteredClass(TLeafThing::StaticClass()), TLeafThing::StaticClass());
    UnRegisterClass(TLeafThing::StaticClass());
    EXPECT_EQ(GetClass("TLeafThing"), nullptr);
    EXPECT_EQ(NearestRegisteredClass(TLeafThing::StaticClass()), TBaseThing::StaticClass());
    EXPECT_EQ(NearestRegisteredClass(TComponent::StaticClass()), nullptr);
}

TEST(ClassRegistry, NearestClassAmongCandidates) {
    const TClass candidates[] = {TComponent::StaticClass(), TMiddleThing::StaticClass(), TStrings::StaticClass()};
    EXPECT_EQ(NearestClass(TLeafThing::StaticClass(), candidates), TMiddleThing::StaticClass());
    EXPECT_EQ(NearestClass(TBaseThing::StaticClass(), candidates), TComponent::StaticClass());
    EXPECT_EQ(NearestClass(TList::StaticClass(), candidates), nullptr);
}

TEST(Persistent, AssigningWhatNobodyKnowsRaisesTheAssignError) {
    TComponent a;
    TCollection c;
    try {
        a.Assign(&c);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TCollection to a TComponent");
    }
    try {
        c.Assign(nullptr);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TCollection");
    }
}

TV_RESOURCESTRING_ID(SGreeting, 65001, "Hola %s")

TEST(ResourceStrings, GoThroughTheInstalledLoaderAndTheDefaultComesBack) {
    EXPECT_EQ(LoadResString(SGreeting), "Hola %s");
    EXPECT_EQ(SGreeting.id, 65001);
    TResStringLoader previous = SetResStringLoader([](const ResourceString& r) {
        std::string text = LoadResStringDefault(r);
        return text == "Stream read error" ? std::string("Error de lectura") : text + "!";
    });
    EXPECT_FALSE(previous);
    EXPECT_EQ(LoadResString(SGreeting), "Hola %s!");
    // The framework's own texts pass through it too.
    TMemoryStream empty;
    char c;
    try {
        empty.ReadBuffer(&c, 1);
        ADD_FAILURE() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Error de lectura");
    }
    SetResStringLoader(nullptr);
    EXPECT_EQ(LoadResString(SGreeting), "Hola %s");
}

class UnitStartup : public ::testing::Test {
protected:
    void TearDown() override {
        for (const char* n : {"zeta", "serial", "translation", "grid", "skinning", "late", "broken", "after"})
            UnregisterUnit(n);
    }
    std::vector<std::string> log;
    void Register(const char* name, int rank) {
        RegisterUnit(name, rank, [this, name] { log.push_back(std::string("init ") + name); },
                     [this, name] { log.push_back(std::string("done ") + name); });
    }
};

TEST_F(UnitStartup, RunsByRankWhateverTheRegistrationOrderAndFinalizesInReverse) {
    Register("zeta", urOther);
    Register("serial", urSerialPort);
    Register("translation", urTranslation);
    Register("grid", urGrid);
    Register("skinning", urSkinning);
    InitializeUnits();
    EXPECT_TRUE(UnitsInitialized());
    InitializeUnits();  // a second call runs nothing again
    EXPECT_EQ(log, (std::vector<std::string>{"init skinning", "init grid", "init translation", "init serial",
                                             "init zeta"}));
    log.clear();
    // A unit that arrives later is started at once, and finalized first.
    Register("late", urGrid);
    EXPECT_EQ(log, (std::vector<std::string>{"init late"}));
    log.clear();
    FinalizeUnits();
    EXPECT_EQ(log, (std::vector<std::string>{"done late", "done zeta", "done serial", "done translation",
                                             "done grid", "done skinning"}));
    EXPECT_FALSE(UnitsInitialized());
}

TEST_F(UnitStartup, AFailingStartStopsThereAndWhatRanIsStillFinalized) {
    Register("grid", urGrid);
    RegisterUnit("broken", urTranslation, [] { throw EOutOfResources("Cannot load cursor resource"); }, nullptr);
    Register("after", urOther);
    EXPECT_THROW(InitializeUnits(), EOutOfResources);
    EXPECT_EQ(log, (std::vector<std::string>{"init grid"}));
    FinalizeUnits();
    EXPECT_EQ(log, (std::vector<std::string>{"init grid", "done grid"}));
}

TEST_F(UnitStartup, AFailingFinalizationDoesNotStopTheOthers) {
    Register("grid", urGrid);
    RegisterUnit("broken", urTranslation, nullptr, [] { throw Exception("shutdown failed"); });
    Register("after", urOther);
    InitializeUnits();
    log.clear();
    EXPECT_THROW(FinalizeUnits(), Exception);
    EXPECT_EQ(log, (std::vector<std::string>{"done after", "done grid"}));
}

} // namespace
