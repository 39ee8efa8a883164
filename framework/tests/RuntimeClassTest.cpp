#include "Framework.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CSquare : public CShape {
  DECLARE_DYNCREATE(CSquare)
 public:
  int side = 3;
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CUnrelated : public CObject {
  DECLARE_DYNCREATE(CUnrelated)
};
IMPLEMENT_DYNCREATE(CUnrelated, CObject)

TEST(RuntimeClass, CreatesByRecordAndKnowsTheBaseChain) {
  const CRuntimeClass* square = RUNTIME_CLASS(CSquare);
  EXPECT_EQ(std::string(square->m_lpszClassName), "CSquare");
  std::unique_ptr<CObject> made(square->CreateObject());
  ASSERT_NE(made, nullptr);
  auto* typed = dynamic_cast<CSquare*>(made.get());
  ASSERT_NE(typed, nullptr);
  EXPECT_EQ(typed->side, 3);

  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr) << "only dynamic, not creatable";
  EXPECT_EQ(square->GetBaseClass(), RUNTIME_CLASS(CShape));
  EXPECT_EQ(RUNTIME_CLASS(CShape)->GetBaseClass(), nullptr) << "CObject has no record";
  EXPECT_TRUE(square->IsDerivedFrom(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(square->IsDerivedFrom(square));
  EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(square));
  EXPECT_FALSE(square->IsDerivedFrom(RUNTIME_CLASS(CUnrelated)));
}

// The routing order: every distinct target once, in order, until one takes it.
TEST(CommandRoute, OffersEachDistinctTargetInOrderUntilOneTakesIt) {
  struct Target {
    const char* name;
    bool takes;
  };
  Target view{"view", false}, doc{"doc", false}, frame{"frame", false}, app{"app", false};
  struct Case {
    std::vector<Target*> takers;
    std::vector<std::string> offered;
    bool handled;
  } cases[] = {
      {{}, {"view", "doc", "frame", "app"}, false},
      {{&view}, {"view"}, true},
      {{&doc, &app}, {"view", "doc"}, true},
      {{&frame}, {"view", "doc", "frame"}, true},
      {{&app}, {"view", "doc", "frame", "app"}, true},
  };
  for (const Case& c : cases) {
    for (Target* t : {&view, &doc, &frame, &app}) t->takes = false;
    for (Target* t : c.takers) t->takes = true;
    std::vector<std::string> offered;
    bool handled = lw::RouteCommand<Target>({&view, nullptr, &doc, &view, &frame, &doc, &app}, [&](Target* t) {
      offered.push_back(t->name);
      return t->takes;
    });
    EXPECT_EQ(offered, c.offered);
    EXPECT_EQ(handled, c.handled);
  }
}

}  // namespace
