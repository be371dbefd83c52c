#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "bitmap/Bmp32_Containers.h"
#include "classlib/core/List.h"
#include "bitmap/Bmp32_OrdinalMaps.h"

namespace bmp32 {
namespace {

void* Key(std::uintptr_t v) { return reinterpret_cast<void*>(v); }

TEST(PointerMap, KeysSharingABucketAreAllFound) {
  TPointerMap map;
  bool isNew = false;
  // Bits 8-15 equal, the rest different: one bucket, nine keys, so the
  // bucket grows twice.
  for (std::uintptr_t i = 0; i < 9; ++i) {
    map.Add(Key(0x3400 + i + (i << 16)), Key(100 + i), isNew);
    EXPECT_TRUE(isNew);
  }
  EXPECT_EQ(map.Count(), 9);
  EXPECT_EQ(map.Buckets()[0x34].Count, 9);
  for (std::uintptr_t i = 0; i < 9; ++i) EXPECT_EQ(map.Data(Key(0x3400 + i + (i << 16))), Key(100 + i));
}

TEST(PointerMap, AddingAnExistingKeyReturnsItsSlot) {
  TPointerMap map;
  bool isNew = false;
  void** first = map.Add(Key(0x1234), Key(1), isNew);
  void** again = map.Add(Key(0x1234), isNew);
  EXPECT_FALSE(isNew);
  EXPECT_EQ(first, again);
  EXPECT_EQ(*again, Key(1));
  EXPECT_EQ(map.Count(), 1);
  *again = Key(2);
  EXPECT_EQ(map.Data(Key(0x1234)), Key(2));
}

TEST(PointerMap, RemoveClosesTheGap) {
  TPointerMap map;
  bool isNew = false;
  for (std::uintptr_t i = 1; i <= 4; ++i) map.Add(Key(0x500 + (i << 20)), Key(i), isNew);
  EXPECT_EQ(map.Remove(Key(0x500 + (2 << 20))), Key(2));
  EXPECT_EQ(map.Remove(Key(0x500 + (2 << 20))), nullptr);
  EXPECT_EQ(map.Count(), 3);
  EXPECT_EQ(map.Buckets()[5].Items[1].Data, Key(3));
  EXPECT_EQ(map.Data(Key(0x500 + (4 << 20))), Key(4));
  map.Clear();
  EXPECT_EQ(map.Count(), 0);
  EXPECT_EQ(map.Buckets()[5].Count, 0);
  EXPECT_THROW(map.Delete(5, 0), classlib::EListError);
}

TEST(PointerMap, MissingKeyRaisesWithTheKeyInTheMessage) {
  TPointerMap map;
  try {
    map.Data(Key(0xAB12));
    FAIL() << "no exception";
  } catch (const classlib::EListError& e) {
    EXPECT_EQ(e.Message(), L"Item not found ($0AB12)");
  }
}

TEST(PointerMapIterator, VisitsEveryBucketIncludingTheLast) {
  TPointerMap map;
  bool isNew = false;
  const std::vector<std::uintptr_t> keys = {0x0010, 0x0020, 0x0100, 0xFF00, 0x1FF00, 0x8000};
  for (std::uintptr_t k : keys) map.Add(Key(k), Key(k + 1), isNew);
  std::vector<std::uintptr_t> seen;
  TPointerMapIterator it(map);
  while (it.Next()) {
    seen.push_back(reinterpret_cast<std::uintptr_t>(it.CurItem()));
    EXPECT_EQ(it.CurData(), Key(seen.back() + 1));
  }
  // Buckets ascending, each bucket from its last item to its first.
  EXPECT_EQ(seen, (std::vector<std::uintptr_t>{0x0020, 0x0010, 0x0100, 0x8000, 0x1FF00, 0xFF00}));
  EXPECT_FALSE(it.Next());

  TPointerMap empty;
  TPointerMapIterator none(empty);
  EXPECT_FALSE(none.Next());
}

TEST(RectangleList, GrowsAndChecksIndexes) {
  TRectangleList list;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(list.Add({i, i, i + 1, i + 1}), i);
  EXPECT_EQ(list.Count(), 100);
  EXPECT_GE(list.Capacity(), 100);
  EXPECT_EQ(*list.Items(42), (TRect{42, 42, 43, 43}));
  EXPECT_EQ(list.Items(-1), nullptr);
  EXPECT_EQ(list.Items(100), nullptr);
}

struct StuckList : TRectangleList {
  std::int32_t GrownCapacity(std::int32_t capacity) const override { return capacity; }
};

TEST(RectangleList, AGrowthThatDoesNotGrowStillMakesRoom) {
  StuckList list;
  list.Add({1, 2, 3, 4});
  list.Add({5, 6, 7, 8});
  EXPECT_EQ(*list.Items(1), (TRect{5, 6, 7, 8}));
}

struct FakeClass {
  std::wstring name;
  const std::wstring& ClassName() const { return name; }
};

TEST(ClassList, FindIsCaseSensitive) {
  const FakeClass kernel{L"TKernelResampler"}, nearest{L"TNearestResampler"};
  TClassList<const FakeClass*> list;
  list.Add(&nearest);
  list.Add(&kernel);
  EXPECT_EQ(list.Find(L"TKernelResampler"), &kernel);
  EXPECT_EQ(list.Find(L"tkernelresampler"), nullptr);
  EXPECT_EQ(list.Find(L"TDraftResampler"), nullptr);
}

TEST(IntegerMap, SizeAndAddresses) {
  TIntegerMap map;
  EXPECT_TRUE(map.Empty());
  EXPECT_TRUE(map.SetSize(3, 2));
  EXPECT_FALSE(map.SetSize(3, 2));
  EXPECT_FALSE(map.Empty());
  *map.ValPtr(2, 1) = 7;
  EXPECT_EQ(map.Bits()[5], 7);
  EXPECT_TRUE(map.SetSize(-4, 2));
  EXPECT_EQ(map.Width(), 0);
  EXPECT_TRUE(map.Empty());
}

}  // namespace
}  // namespace bmp32
