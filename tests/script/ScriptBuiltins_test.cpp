// The built-ins of export targets as the script language sees them, over a stand-in that
// answers every question with a number made from the service and the argument.
#include "ScriptTestSupport.h"

#include "script/MemoryScriptOutput.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessellon;

namespace {

class NumberedBuiltins final : public ScriptBuiltins {
public:
    static std::uint32_t place(Service service)
    {
        return static_cast<std::uint32_t>(service) - firstTargetService;
    }
    std::int32_t constant(Service service) const override
    {
        return static_cast<std::int32_t>(place(service));
    }
    std::uint32_t value(Service service, std::uint32_t argument) const override
    {
        return 1000 * place(service) + argument;
    }
    void item(Service service, std::uint32_t argument, const ItemWriter& write) const override
    {
        std::string text = "<";
        text += serviceInfo(static_cast<std::uint32_t>(service))->name;
        text += ' ';
        text += std::to_string(argument);
        text += '>';
        write({ reinterpret_cast<const std::uint8_t*>(text.data()), text.size() });
    }
};

struct Case {
    const char* script;
    const char* output; // or the compile error's line
};

// Each script runs with the stand-in and without any built-ins; scripts without the new
// names are those of the language as it was.
const Case withBuiltins[] = {
    { "WRITE(\"%d %d %d\",FONT_WIDTH,CODE_COUNT,ENCODED_BYTES);", "13 16 21" },
    { "int x; x = INK_W(3) + ADVANCE(2); WRITE(\"%d\",x);", "10005" },
    { "int k,i; k=4; i=GLYPH_AT(k); WRITE(\"%d \",i); i=RUN_START(FONT_NUMBER); WRITE(\"%d\",i);",
        "4 1007" },
    { "int i; i=5; PUTINK(i); PUTPAGES(i); PUTROWS(i);", "<PUTINK 5><PUTPAGES 5><PUTROWS 5>" },
    { "PUTNAME(); PUTENCODED(); PUTCMAPS();", "<PUTNAME 0><PUTENCODED 0><PUTCMAPS 0>" },
    { "int t; for(t=0;t<(LAYOUT>19);t++) WRITE(\"x\");", "x" },
    { "int i; PUTNAME(i);", "Line 1: [E12] Wrong putitem stmt \"i\"" },
    { "int i; i = PUTINK(i);", "Line 1: [E9] Wrong expression \"=\"" },
    { "int INK, ink; INK=1; WRITE(\"%d\",INK);", "1" },
};

const Case withoutBuiltins[] = {
    { "WRITE(\"%d %d\",FONT_WIDTH,CODE_COUNT);", "0 0" },
    { "int x; x = INK_W(3) + 1; WRITE(\"%d\",x); PUTNAME(); PUTINK(x);", "1" },
};

std::string run(const std::string& script, const ScriptBuiltins* builtins)
{
    test::RecordingCsub unit;
    MemoryScriptOutput output;
    unit.csub.setBuiltins(builtins);
    unit.csub.CsubExecute(output, script, {}, {}, 7);
    if (unit.lines.size() == 2) {
        return unit.lines.back();
    }
    return std::string(output.bytes().begin(), output.bytes().end());
}

TEST(ScriptBuiltins, ServeTheirNamesAsConstantsValuesAndItems)
{
    const NumberedBuiltins builtins;
    for (const Case& c : withBuiltins) {
        EXPECT_EQ(run(c.script, &builtins), c.output) << c.script;
    }
    for (const Case& c : withoutBuiltins) {
        EXPECT_EQ(run(c.script, nullptr), c.output) << c.script;
    }
}

} // namespace
