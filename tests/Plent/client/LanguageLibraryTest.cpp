// The language library's owner: it frees the library once, when its last
// owner goes, and one that does not load has the handle 0.
#include <gtest/gtest.h>

#include <utility>

#include "Plent/client/LanguageLibrary.h"
#include "Platform/modules/ModulePath.h"

using Plent::LanguageLibrary;

TEST(LanguageLibrary, TheLastOwnerFreesTheLibraryOnce)
{
    Platform::ModuleHandle handle = 0;
    {
        LanguageLibrary first = LanguageLibrary::loadFrom(Platform::ModulePath::executableDir() / "Pelmor.dll");
        handle = first.handle();
        ASSERT_GT(handle, 0);
        LanguageLibrary last;
        last = std::move(first);
        EXPECT_EQ(first.handle(), 0);
        EXPECT_EQ(last.handle(), handle);
    }
    EXPECT_FALSE(Platform::FreeLibrary(handle)) << "freed already";
}

TEST(LanguageLibrary, OneThatDoesNotLoadHasTheHandleZero)
{
    EXPECT_EQ(LanguageLibrary::loadFrom("/nonexistent/Pelmor.dll").handle(), 0);
}
