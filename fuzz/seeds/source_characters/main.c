#include "fontlib.h"
#define TITLE u8"Menü"
extern "C" { int draw(const char*); }
int main(void)
{
    /* 'not' "this" */ // nor "this"
    draw("Grüße \xE4\xB8\xAD \u6587\n");
    draw(R"x(raw "text")x");
    draw(L"\x4E2D" U"\U0001F600");
    int n = 1'000'000; char c = '\'';
    return 0;
}
