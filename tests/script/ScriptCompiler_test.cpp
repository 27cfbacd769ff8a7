#include "ScriptTestSupport.h"

#include "script/Disassembler.h"
#include "script/ScriptCompiler.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessellon;
using tessellon::test::listing;
using tessellon::test::RecordingCsub;

namespace {

std::string compiled(RecordingCsub& unit, const std::string& text)
{
    const std::string error = unit.compileError(text);
    EXPECT_EQ(error, "");
    return unit.csub.disassembly();
}

std::string compiled(const std::string& text)
{
    RecordingCsub unit;
    return compiled(unit, text);
}

std::string errorOf(const std::string& text)
{
    RecordingCsub unit;
    return unit.compileError(text);
}

std::string repeated(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

} // namespace

TEST(ScriptCompiler, EmptyScriptAndDeclarationsOnlyCompileToStp)
{
    EXPECT_EQ(compiled(""), "0 STP\n");
    EXPECT_EQ(compiled("  /* nothing */ \r\n"), "0 STP\n");
    EXPECT_EQ(compiled("int a, b;\r\nint c;"), "0 STP\n");
}

TEST(ScriptCompiler, ForLoopCompilesToTheTwentyFourInstructions)
{
    RecordingCsub unit;
    const std::string code = compiled(unit, "int i; for (i = 0; i < 3; i++) WRITE(\"%d \", i);");
    EXPECT_EQ(code,
        listing({ "LDA i", "LDC 0", "STO", "LAB L0", "LOD i", "LDC 3", "LOW", "FJP L3", "UJP L2",
            "LAB L1", "LDA i", "LOD i", "LDC 1", "ADI", "STO", "UJP L0", "LAB L2", "MST", "LDC 4",
            "LOD i", "CAL WRITE", "UJP L1", "LAB L3", "STP" }));
    const ScriptMemory& memory = unit.csub.memory();
    EXPECT_EQ(memory.labels[0], 3u);
    EXPECT_EQ(memory.labels[1], 9u);
    EXPECT_EQ(memory.labels[2], 16u);
    EXPECT_EQ(memory.labels[3], 22u);
    EXPECT_EQ(memory.labelCounter, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&memory.data[4])), "%d ");
    EXPECT_EQ(memory.data[7], 0);
    EXPECT_EQ(memory.symbols.dataPointer(), 8u);
    EXPECT_EQ(memory.code[20].argCount, 1);
}

TEST(ScriptCompiler, OperatorPrecedenceAndAssociativity)
{
    EXPECT_EQ(compiled("int x; x = 2 + 3 * 4;"),
        listing({ "LDA x", "LDC 2", "LDC 3", "LDC 4", "MPI", "ADI", "STO", "STP" }));
    EXPECT_EQ(compiled("int x; x = (2 + 3) * 4;"),
        listing({ "LDA x", "LDC 2", "LDC 3", "ADI", "LDC 4", "MPI", "STO", "STP" }));
    EXPECT_EQ(compiled("int x; x = 10 - 3 - 2;"),
        listing({ "LDA x", "LDC 10", "LDC 3", "SBI", "LDC 2", "SBI", "STO", "STP" }));
    EXPECT_EQ(compiled("int x; x = 8 / 4 / 2;"),
        listing({ "LDA x", "LDC 8", "LDC 4", "DVI", "LDC 2", "DVI", "STO", "STP" }));
}

TEST(ScriptCompiler, ComparisonsChainLeftToRight)
{
    EXPECT_EQ(compiled("int a, b, c; a < b < c;"),
        listing({ "LOD a", "LOD b", "LOW", "LOD c", "LOW", "STP" }));
    EXPECT_EQ(compiled("int a; a > 1; a <= 2; a >= 3; a == 4; a != 5;"),
        listing({ "LOD a", "LDC 1", "GRT", "LOD a", "LDC 2", "LWE", "LOD a", "LDC 3", "GTE",
            "LOD a", "LDC 4", "EQU", "LOD a", "LDC 5", "NEQ", "STP" }));
    EXPECT_EQ(compiled("int a; a + 1 < a * 2;"),
        listing({ "LOD a", "LDC 1", "ADI", "LOD a", "LDC 2", "MPI", "LOW", "STP" }));
}

TEST(ScriptCompiler, IncrementAndDecrement)
{
    EXPECT_EQ(compiled("int a, b; b++; a--;"),
        listing({ "LDA b", "LOD b", "LDC 1", "ADI", "STO", "LDA a", "LOD a", "LDC 1", "SBI", "STO",
            "STP" }));
}

TEST(ScriptCompiler, WriteShape)
{
    RecordingCsub unit;
    EXPECT_EQ(compiled(unit, "int a; WRITE(\"f\", a, 5); WRITE(\"\");"),
        listing(
            { "MST", "LDC 4", "LOD a", "LDC 5", "CAL WRITE", "MST", "LDC 6", "CAL WRITE", "STP" }));
    EXPECT_EQ(unit.csub.memory().code[4].argCount, 2);
    EXPECT_EQ(unit.csub.memory().code[7].argCount, 0);
    EXPECT_EQ(unit.csub.memory().symbols.dataPointer(), 7u);
}

TEST(ScriptCompiler, BuiltinStatementsAndTheirServices)
{
    EXPECT_EQ(compiled("int i; PUTITEM(i); PUTITEMZIP(i); PUTITEMBIN(i); PUTITEMZIPBIN(i);"
                       "PUTITEMCOL(i); PUTITEMCOLBIN(i); GETUNICODE(i);"),
        listing({ "MST", "LOD i", "CAL PUTITEM", "MST", "LOD i", "CAL PUTITEMZIP", "MST", "LOD i",
            "CAL PUTITEMBIN", "MST", "LOD i", "CAL PUTITEMZIPBIN", "MST", "LOD i", "CAL PUTITEMCOL",
            "MST", "LOD i", "CAL PUTITEMCOLBIN", "MST", "LOD i", "CAL GETUNICODE", "STP" }));
}

TEST(ScriptCompiler, GetUnicodeInAnExpression)
{
    EXPECT_EQ(compiled("int u, i; u = GETUNICODE(i) + GETUNICODE(7);"),
        listing({ "LDA u", "MST", "LOD i", "CAL GETUNICODE", "MST", "LDC 7", "CAL GETUNICODE",
            "ADI", "STO", "STP" }));
}

TEST(ScriptCompiler, ForWithEmptyPartsAndEmptyBody)
{
    EXPECT_EQ(compiled("for (;;) ;"),
        listing({ "LAB L0", "FJP L3", "UJP L2", "LAB L1", "UJP L0", "LAB L2", "UJP L1", "LAB L3",
            "STP" }));
    // Nothing that can be a statement follows: the body is empty.
    EXPECT_EQ(compiled("{ for (;;) }"),
        listing({ "LAB L0", "FJP L3", "UJP L2", "LAB L1", "UJP L0", "LAB L2", "UJP L1", "LAB L3",
            "STP" }));
}

TEST(ScriptCompiler, NestedForLoopsTakeLabelsInOrder)
{
    RecordingCsub unit;
    compiled(unit, "int i, j; for (i = 0; i < 2; i++) for (j = 0; j < 2; j++) { }");
    EXPECT_EQ(unit.csub.memory().labelCounter, 8u);
    const std::string code = unit.csub.disassembly();
    EXPECT_NE(code.find("FJP L7\n"), std::string::npos);
    EXPECT_NE(code.find("UJP L5\n"), std::string::npos);
}

TEST(ScriptCompiler, EachCompilationStartsItsLabelsAtZero)
{
    const std::string script = "int i; for (i = 0; i < 1; i++) ; for (;;) ;";
    RecordingCsub unit;
    const std::string first = compiled(unit, script);
    EXPECT_EQ(unit.csub.memory().labelCounter, 8u);
    EXPECT_EQ(compiled(unit, script), first);
    EXPECT_EQ(unit.csub.memory().labelCounter, 8u);
    EXPECT_NE(first.find("LAB L7\n"), std::string::npos);
    EXPECT_EQ(first.find("LAB L8\n"), std::string::npos);
}

TEST(ScriptCompiler, AssignmentInsideParenthesesPushesNothing)
{
    EXPECT_EQ(compiled("int x, i; x = (i = 1);"),
        listing({ "LDA x", "LDA i", "LDC 1", "STO", "STO", "STP" }));
    EXPECT_EQ(
        compiled("int i; (i++);"), listing({ "LDA i", "LOD i", "LDC 1", "ADI", "STO", "STP" }));
}

TEST(ScriptCompiler, FontNumberIsANumber)
{
    RecordingCsub unit;
    unit.csub.setFontNumber(300);
    EXPECT_EQ(compiled(unit, "FONT_NUMBER;"), listing({ "LDC 300", "STP" }));
    unit.csub.setFontNumber(-5);
    EXPECT_EQ(compiled(unit, "FONT_NUMBER;"), listing({ "LDC 4294967291", "STP" }));
}

TEST(ScriptCompiler, TheStatementListEndsWhereNoStatementCanBegin)
{
    EXPECT_EQ(compiled("WRITE(\"a\"); int j; WRITE(\"b\");"),
        listing({ "MST", "LDC 0", "CAL WRITE", "STP" }));
    EXPECT_EQ(compiled("int i; i++; while (i < 3) i++;"),
        listing({ "LDA i", "LOD i", "LDC 1", "ADI", "STO", "STP" }));
    EXPECT_EQ(compiled("1; } $ never read"), listing({ "LDC 1", "STP" }));
    EXPECT_EQ(compiled("1; \"text\";"), listing({ "LDC 1", "STP" }));
    EXPECT_EQ(compiled("1; [2];"), listing({ "LDC 1", "STP" }));
    EXPECT_EQ(compiled("1; do"), listing({ "LDC 1", "STP" }));
    EXPECT_EQ(compiled(";;; 2;"), listing({ "LDC 2", "STP" }));
}

TEST(ScriptCompiler, ErrorsOfExpressions)
{
    const std::string decl = "int x, a, b, i;\r\n";
    EXPECT_EQ(errorOf(decl + "x = a < b;"), "Line 2: [E5] ; expected \"<\"");
    EXPECT_EQ(errorOf(decl + "x = ;"), "Line 2: [E9] Wrong expression \"=\"");
    EXPECT_EQ(errorOf(decl + "x = ();"), "Line 2: [E9] Wrong expression \"(\"");
    EXPECT_EQ(errorOf(decl + "x = a b;"), "Line 2: [E5] ; expected \"b\"");
    EXPECT_EQ(errorOf(decl + "x = a * * b;"), "Line 2: [E9] Wrong expression \"*\"");
    EXPECT_EQ(errorOf(decl + "x = -1;"), "Line 2: [E9] Wrong expression \"=\"");
    EXPECT_EQ(errorOf(decl + "x = (a + 1;"), "Line 2: [E2] ) expected \";\"");
    EXPECT_EQ(errorOf(decl + "a + ;"), "Line 2: [E9] Wrong expression \"+\"");
    EXPECT_EQ(errorOf(decl + "a < ;"), "Line 2: [E9] Wrong expression \"<\"");
    EXPECT_EQ(errorOf(decl + "a - b / ;"), "Line 2: [E9] Wrong expression \"/\"");
}

TEST(ScriptCompiler, ErrorsOfDeclarations)
{
    EXPECT_EQ(errorOf("int a b;"), "Line 1: [E5] ; expected \"b\"");
    EXPECT_EQ(errorOf("int 5;"), "Line 1: [E8] Wrong WRITE \"5\"");
    EXPECT_EQ(errorOf("int a,;"), "Line 1: [E8] Wrong WRITE \";\"");
    EXPECT_EQ(errorOf("int a"), "Line 1: [E5] ; expected \"\"");
}

TEST(ScriptCompiler, ErrorsOfWrite)
{
    const std::string decl = "int x, i;\r\n";
    EXPECT_EQ(errorOf(decl + "WRITE(x);"), "Line 2: [E7] Miss fmtstring in WRITE \"x\"");
    EXPECT_EQ(errorOf(decl + "WRITE(\"a\" 1);"), "Line 2: [E2] ) expected \"1\"");
    EXPECT_EQ(errorOf(decl + "WRITE(\"%d\", i+1);"), "Line 2: [E8] Wrong WRITE \"+\"");
    EXPECT_EQ(errorOf(decl + "WRITE(\"%d\", \"s\");"), "Line 2: [E8] Wrong WRITE \"s\"");
    EXPECT_EQ(errorOf(decl + "WRITE \"a\";"), "Line 2: [E1] ( expected \"a\"");
    EXPECT_EQ(errorOf(decl + "WRITE(\"a\")"), "Line 2: [E5] ; expected \"\"");
    EXPECT_EQ(errorOf(decl + "WRITE(\"%d\", y);"), "Line 2: [E14] Unknow symple \"y\"");
}

TEST(ScriptCompiler, ErrorsOfBuiltins)
{
    const std::string decl = "int x, i;\r\n";
    EXPECT_EQ(errorOf(decl + "PUTITEM(3);"), "Line 2: [E12] Wrong putitem stmt \"3\"");
    EXPECT_EQ(errorOf(decl + "PUTITEM(i;"), "Line 2: [E12] Wrong putitem stmt \";\"");
    EXPECT_EQ(errorOf(decl + "PUTITEMCOL i;"), "Line 2: [E1] ( expected \"i\"");
    EXPECT_EQ(errorOf(decl + "GETUNICODE(5);"), "Line 2: [E12] Wrong putitem stmt \"5\"");
    EXPECT_EQ(errorOf(decl + "PUTITEM(i) x"), "Line 2: [E5] ; expected \"x\"");
    EXPECT_EQ(errorOf(decl + "x = GETUNICODE(i + 1);"), "Line 2: [E2] ) expected \"+\"");
    EXPECT_EQ(
        errorOf(decl + "x = GETUNICODE(\"a\");"), "Line 2: [E13] Wrong getunicode stmt \"a\"");
    EXPECT_EQ(errorOf(decl + "x = GETUNICODE i;"), "Line 2: [E1] ( expected \"i\"");
}

TEST(ScriptCompiler, ErrorsOfFor)
{
    const std::string decl = "int i;\r\n";
    EXPECT_EQ(errorOf(decl + "for i = 0;"), "Line 2: [E1] ( expected \"i\"");
    EXPECT_EQ(errorOf(decl + "for (i = 0, i < 3; i++) ;"), "Line 2: [E5] ; expected \",\"");
    EXPECT_EQ(errorOf(decl + "for (i = 0; i = 3; i++) ;"), "Line 2: [E5] ; expected \"=\"");
    EXPECT_EQ(errorOf(decl + "for (i = 0; i < 3; i++ ;"), "Line 2: [E2] ) expected \";\"");
}

TEST(ScriptCompiler, ErrorsOfBlocks)
{
    EXPECT_EQ(errorOf("int i;\r\n{\r\n  i++;\r\n\r\n"), "Line 5: [E4] } expected \"\"");
    EXPECT_EQ(errorOf("{ int j; }"), "Line 1: [E4] } expected \"int\"");
    EXPECT_EQ(errorOf("int x, a;\r\n{ x = a\r\n}"), "Line 3: [E5] ; expected \"}\"");
}

TEST(ScriptCompiler, UndeclaredNamesAreUnknownSymbols)
{
    EXPECT_EQ(errorOf("int x;\r\nx = 1;\r\n\r\nx = y;"), "Line 4: [E14] Unknow symple \"y\"");
    EXPECT_EQ(errorOf("int a, b, x;\r\nif (a < b) x = 1;"), "Line 2: [E14] Unknow symple \"if\"");
    EXPECT_EQ(errorOf("Write(\"a\");"), "Line 1: [E14] Unknow symple \"Write\"");
}

TEST(ScriptCompiler, ErrorLineIsThatOfTheLastTokenRead)
{
    // The operand that is missing was looked for on the next line.
    EXPECT_EQ(errorOf("int x;\r\nx =\r\n;"), "Line 3: [E9] Wrong expression \"=\"");
    EXPECT_EQ(errorOf("int x, y;\r\nx = 1\r\ny = 2;"), "Line 3: [E5] ; expected \"y\"");
}

TEST(ScriptCompiler, FirstOfTwoDeclarationsOfANameIsUsed)
{
    RecordingCsub unit;
    EXPECT_EQ(compiled(unit, "int a, a; a = 1;"), listing({ "LDA a", "LDC 1", "STO", "STP" }));
    EXPECT_EQ(unit.csub.memory().symbols.count(), 2u);
    EXPECT_EQ(unit.csub.memory().symbols.entry(1).dataOffset, 4u);
}

TEST(ScriptCompiler, NumberLiteralsUpToTheLargestPositiveWord)
{
    EXPECT_EQ(compiled("2147483647;"), listing({ "LDC 2147483647", "STP" }));
    EXPECT_EQ(compiled("0000000000002147483647;"), listing({ "LDC 2147483647", "STP" }));
    EXPECT_EQ(errorOf("\r\n2147483648;"),
        "Line 2: [E17] Number too large (at most 2147483647) \"2147483648\"");
    EXPECT_EQ(errorOf("int x; WRITE(\"%d\", 99999999999);"),
        "Line 1: [E17] Number too large (at most 2147483647) \"99999999999\"");
}

TEST(ScriptCompiler, NamesUpToFifteenCharacters)
{
    EXPECT_EQ(compiled("int abcdefghijklmno; abcdefghijklmno;"),
        listing({ "LOD abcdefghijklmno", "STP" }));
    EXPECT_EQ(errorOf("int abcdefghijklmnop;"),
        "Line 1: [E16] Name too long (at most 15 characters) \"abcdefghijklmnop\"");
    EXPECT_EQ(errorOf("int abcdefghijklmno; abcdefghijklmnop;"),
        "Line 1: [E14] Unknow symple \"abcdefghijklmnop\"");
}

TEST(ScriptCompiler, AtMostAHundredVariables)
{
    std::string names = "v0";
    for (int i = 1; i < 100; ++i) {
        names += ",v" + std::to_string(i);
    }
    RecordingCsub unit;
    compiled(unit, "int " + names + "; v99 = 1;");
    EXPECT_EQ(unit.csub.memory().symbols.entry(99).dataOffset, 396u);
    EXPECT_EQ(
        errorOf("int " + names + ", w;"), "Line 1: [E22] Too many variables (at most 100) \"w\"");
}

TEST(ScriptCompiler, AtMostEightWriteArguments)
{
    RecordingCsub unit;
    compiled(unit, "WRITE(\"\", 1, 2, 3, 4, 5, 6, 7, 8);");
    EXPECT_EQ(unit.csub.memory().code[10], (Instruction { Opcode::CAL, 8, 0 }));
    EXPECT_EQ(errorOf("WRITE(\"\", 1, 2, 3, 4, 5, 6, 7, 8, 9);"),
        "Line 1: [E23] Too many WRITE arguments (at most 8) \"9\"");
}

TEST(ScriptCompiler, AtMostTwentyFiveForStatements)
{
    RecordingCsub unit;
    compiled(unit, repeated("for(;;);", 25));
    EXPECT_EQ(unit.csub.memory().labelCounter, 100u);
    EXPECT_EQ(errorOf(repeated("for(;;);\r\n", 25) + "for(;;);"),
        "Line 26: [E21] Too many for stmts (at most 25) \"for\"");
}

TEST(ScriptCompiler, DataAreaHoldsFormatsUpToItsLastByte)
{
    const std::string literal = std::string(127, 'f');
    const std::string write = "WRITE(\"" + literal + "\");\r\n";
    RecordingCsub unit;
    compiled(unit, repeated(write, 8));
    EXPECT_EQ(unit.csub.memory().symbols.dataPointer(), 1024u);
    EXPECT_EQ(errorOf("int x;" + repeated(write, 8)),
        "Line 8: [E20] Data area full (at most 1024 bytes of variables and WRITE formats) \""
            + literal + "\"");
}

TEST(ScriptCompiler, CodeAreaHoldsAThousandTwentyFourInstructions)
{
    RecordingCsub unit;
    compiled(unit, repeated("1;\r\n", 1023));
    EXPECT_EQ(unit.csub.memory().codeCount, 1024u);
    EXPECT_EQ(errorOf(repeated("1;\r\n", 1024)),
        "Line 1025: [E19] Program too long (at most 1024 instructions) \"\"");
    EXPECT_EQ(errorOf(repeated("1;\r\n", 1100)),
        "Line 1025: [E19] Program too long (at most 1024 instructions) \"1\"");
}

TEST(ScriptCompiler, NestingIsBounded)
{
    const int depth = maxNestingDepth;
    const std::string deepest
        = "int x; x = " + repeated("(", depth) + "1" + repeated(")", depth) + ";";
    EXPECT_EQ(compiled(deepest).substr(0, 16), "0 LDA x\n1 LDC 1\n");
    EXPECT_EQ(
        errorOf("int x; x = " + repeated("(", depth + 1) + "1" + repeated(")", depth + 1) + ";"),
        "Line 1: [E18] Nesting too deep (at most 64 levels) \"(\"");
    EXPECT_EQ(compiled(repeated("{", depth) + repeated("}", depth)), "0 STP\n");
    EXPECT_EQ(errorOf(repeated("{", depth + 1) + repeated("}", depth + 1)),
        "Line 1: [E18] Nesting too deep (at most 64 levels) \"{\"");
    EXPECT_EQ(errorOf(repeated("{", depth - 1) + "for(;;)(((1)));"),
        "Line 1: [E18] Nesting too deep (at most 64 levels) \"(\"");
    // Far deeper text fails the same way instead of exhausting the stack.
    EXPECT_EQ(errorOf(repeated("{", 100000)).substr(0, 28), "Line 1: [E18] Nesting too de");
    EXPECT_EQ(errorOf("int x; x = " + repeated("(", 100000)).substr(0, 28),
        "Line 1: [E18] Nesting too de");
}

TEST(ScriptCompiler, ErrorMessagesOfTheOriginalCodesStandAsTheyAre)
{
    EXPECT_EQ(compileErrorMessage(3), "{ expected");
    EXPECT_EQ(compileErrorMessage(6), ", expected");
    EXPECT_EQ(compileErrorMessage(10), "Wrong var delare");
    EXPECT_EQ(compileErrorMessage(11), "Wrong for stmt");
    EXPECT_EQ(compileErrorMessage(14), "Unknow symple");
    EXPECT_EQ(compileErrorLine(12, 5, "}"), "Line 12: [E5] ; expected \"}\"");
}

TEST(ScriptCompiler, DisassemblerNamesOperandsByTheirMeaning)
{
    RecordingCsub unit;
    compiled(unit, "int i, n;");
    const std::vector<Instruction> code = {
        { Opcode::LOD, 0, 1 },
        { Opcode::LDA, 0, 7 },
        { Opcode::FJP, 0, 3 },
        { Opcode::CAL, 0, 3 },
        { Opcode::CAL, 0, 8 },
        { Opcode::STO, 0, 5 },
        { Opcode::STN, 0, 0 },
        { Opcode::ENT, 0, 0 },
        { Opcode::RET, 0, 0 },
        { static_cast<Opcode>(23), 0, 9 },
        { static_cast<Opcode>(255), 0, 0 },
    };
    EXPECT_EQ(disassemble(code, unit.csub.memory().symbols),
        listing({ "LOD n", "LDA #7", "FJP L3", "CAL PUTITEMBIN", "CAL 8", "STO 5", "STN", "ENT",
            "RET", "OP23 9", "OP255 0" }));
    for (int code = 0; code < opcodeCount; ++code) {
        const auto info = opcodeInfo(static_cast<std::uint8_t>(code));
        ASSERT_TRUE(info);
        EXPECT_EQ(static_cast<int>(info->op), code);
        EXPECT_EQ(opcodeByName(info->name), info->op);
        EXPECT_FALSE(info->doc.empty());
    }
    EXPECT_FALSE(opcodeInfo(23));
}
