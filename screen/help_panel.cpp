#include "screen/help_panel.h"

#include <algorithm>

#include "draw/codepage.h"
#include "draw/display.h"
#include "screen/screen.h"

namespace {

constexpr int Margin = 5;           // around the labels, inside the body
constexpr int ColumnGap = 2;        // characters between the two columns
constexpr int RowHeight = 16;       // one line of the font
constexpr int FrameWidth = 6 + 28;  // left border and right end of every window
constexpr int FrameHeight = 23 + 3; // title bar and bottom border

THelpRow Row(const char* Keys, const char* Text) { return {Cp1250(Keys), Cp1250(Text)}; }

} // namespace

std::vector<THelpRow> HelpRows(Uint8 State)
{
    const bool Simulation = State == StateParticles || State == StateTornado || State == StateFire;
    std::vector<THelpRow> Rows = {Row("F1", "pokazuje i chowa tę pomoc"),
                                  Row("F3", "statystyki: klatki na sekundę, czas pracy")};
    if (Simulation) {
        Rows.push_back(Row("F5, F8, Pause", "pauza i wznowienie symulacji"));
        Rows.push_back(Row("F6", "w pauzie jeden krok symulacji"));
    }
    Rows.push_back(Row("F11, Alt+Enter", "okno albo pełny ekran"));
    Rows.push_back(Row("F12, F9, Print", "zrzut ekranu do pliku PNG"));
    if (State == StateParticles) {
        Rows.push_back(Row("Ctrl+S", "zapisuje scenę w folderze dokumentów"));
        Rows.push_back(Row("Ctrl+O", "otwiera jedną z zapisanych scen"));
    }
    Rows.push_back(Row("Esc", Simulation ? "powrót do menu" : "wyjście z programu"));
    Rows.push_back(Row("Mysz", "przyciski w oknach; okno przesuwa się"));
    Rows.push_back(Row("", "za pasek tytułu"));
    switch (State) {
    case StateParticles:
        Rows.push_back(Row("", "przeciągnięcie poza oknem rzuca cząsteczkę"));
        Rows.push_back(Row("", "albo rysuje ścianę, jak wybrano w oknie"));
        Rows.push_back(Row("", "Sterowanie; gdy ono ma fokus, świat stoi"));
        break;
    case StateTornado: Rows.push_back(Row("", "podstawa lejka podąża za wskaźnikiem")); break;
    case StateFire: Rows.push_back(Row("", "ogień płonie sam, mysz go nie zmienia")); break;
    default: break;
    }
    return Rows;
}

TWindow CreateHelpPanel(const std::vector<THelpRow>& Rows)
{
    size_t KeysWidth = 0, TextWidth = 0;
    for (const THelpRow& R : Rows) {
        KeysWidth = std::max(KeysWidth, R.Keys.size());
        TextWidth = std::max(TextWidth, R.Text.size());
    }
    const int TextX = Margin + 8 * static_cast<int>(KeysWidth + ColumnGap);
    const int Width = FrameWidth + TextX + 8 * static_cast<int>(TextWidth) + Margin;
    const int Height = FrameHeight + 2 * Margin + RowHeight * static_cast<int>(Rows.size());
    TWindow Panel = CreateWindow("Pomoc", Cp1250("Pomoc [F1]"), (DisplayWidth - Width) / 2,
                                 (DisplayHeight - Height) / 2, Width, Height, true);
    InitLabelGroup(Panel.Labels, static_cast<int>(2 * Rows.size()), true);
    for (size_t I = 0; I < Rows.size(); ++I) {
        const int Y = Margin + RowHeight * static_cast<int>(I);
        Panel.Labels.Items[2 * I] = CreateLabel(Margin, Y, Rows[I].Keys);
        Panel.Labels.Items[2 * I + 1] = CreateLabel(TextX, Y, Rows[I].Text);
    }
    return Panel;
}

void DrawHelpPanel(Uint8 State)
{
    TWindow Panel = CreateHelpPanel(HelpRows(State));
    DrawWindow(Panel);
}
