// A load whose allocations fail, one after another: it fails with "Out of
// memory" and an empty document, and no exception leaves it. This program
// replaces the global allocation functions so that they fail on demand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "tests/ui/markup/markup_text.h"
#include "ui/markup/xml_document.h"

namespace {

// Allocations that succeed before the next one fails; negative: none fails.
long allocationsLeft = -1;
bool failedOne = false;

void* Allocate(std::size_t size) {
  if (allocationsLeft == 0) {
    failedOne = true;
    throw std::bad_alloc();
  }
  if (allocationsLeft > 0) --allocationsLeft;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void* AllocateOrNull(std::size_t size) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return AllocateOrNull(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}

namespace Veneer {
namespace {

TEST(XmlDocumentOutOfMemory, EachFailedAllocationFailsTheLoad) {
  // More elements than the first table holds: the table grows twice.
  std::u16string layout = u"<Window>";
  for (int i = 0; i < 1500; ++i) layout += u"<Label text=\"x\" />";
  layout += u"</Window>";
  const XmlString text = test::Text(layout);
  for (long succeeding = 0;; ++succeeding) {
    SCOPED_TRACE(succeeding);
    CXmlDocument document;
    bool loaded = false;
    bool threw = false;
    failedOne = false;
    allocationsLeft = succeeding;
    try {
      loaded = document.LoadText(text.c_str());
    } catch (const std::bad_alloc&) {
      threw = true;
    }
    allocationsLeft = -1;
    ASSERT_FALSE(threw);
    if (!failedOne) {
      EXPECT_TRUE(loaded);
      EXPECT_GE(succeeding, 3);  // the text, the first table, its growth
      break;
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(test::Show(document.ErrorMessage()), "Out of memory");
    EXPECT_FALSE(document.IsLoaded());
  }
}

}  // namespace
}  // namespace Veneer
