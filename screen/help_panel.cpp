#include "screen/help_panel.h"

#include <algorithm>

#include "draw/codepage.h"
#include "draw/display.h"
#include "screen/screen.h"
#include "screen/statistics_line.h"

namespace {

constexpr int Margin = 4;           // around the labels, inside the body
constexpr int KeysGap = 1;          // characters between the keys and their meaning
constexpr int ColumnGap = 2;        // characters between the two columns
constexpr int RowHeight = 16;       // one line of the font
constexpr int FrameWidth = 6 + 28;  // left border and right end of every window
constexpr int FrameHeight = 23 + 3; // title bar and bottom border

// The rows of the display a screen leaves free, top inclusive, bottom
// exclusive: below its windows and above the statistics line (or, on the
// fire screen, above the fire).
struct TStrip {
    int Top, Bottom;
};

TStrip FreeStrip(Uint8 State)
{
    constexpr int AboveStatistics = StatisticsLineY - 1; // the line's glyphs start a row above it
    switch (State) {
    case StateParticles: return {380, AboveStatistics};   // "Sterowanie" ends at row 380
    case StateTornado:
    case StateFire: return {260, 500};                    // "Sterowanie" ends at 260; the fire burns from 500
    default: return {450, AboveStatistics};               // "Test okna" ends at 450, "Wybierz symulację" at 295
    }
}

THelpRow Row(const char* Keys, const char* Text) { return {Cp1250(Keys), Cp1250(Text)}; }

// Where the second column starts: the row nearest the middle that begins
// an entry, so that no entry is cut between the columns.
size_t SecondColumnStart(const std::vector<THelpRow>& Rows)
{
    const auto Taller = [&](size_t Split) { return std::max(Split, Rows.size() - Split); };
    size_t Best = (Rows.size() + 1) / 2; // where no row begins an entry
    bool Found = false;
    for (size_t I = 1; I < Rows.size(); ++I) {
        if (Rows[I].Keys.empty() || (Found && Taller(I) >= Taller(Best))) continue;
        Best = I;
        Found = true;
    }
    return Best;
}

struct TColumn {
    size_t First, End; // rows First .. End - 1
    int KeysWidth = 0, TextWidth = 0; // characters
};

TColumn MeasureColumn(const std::vector<THelpRow>& Rows, size_t First, size_t End)
{
    TColumn C{First, End};
    for (size_t I = First; I < End; ++I) {
        C.KeysWidth = std::max(C.KeysWidth, static_cast<int>(Rows[I].Keys.size()));
        C.TextWidth = std::max(C.TextWidth, static_cast<int>(Rows[I].Text.size()));
    }
    return C;
}

} // namespace

std::vector<THelpRow> HelpRows(Uint8 State)
{
    const bool Simulation = State == StateParticles || State == StateTornado || State == StateFire;
    std::vector<THelpRow> Rows = {Row("F1", "pokazuje i chowa tę pomoc"),
                                  Row("F3", "statystyki: klatki na sekundę"), Row("", "i czas pracy")};
    if (Simulation) {
        Rows.push_back(Row("F5, F8, Pause", "pauza i wznowienie symulacji"));
        Rows.push_back(Row("F6", "w pauzie jeden krok symulacji"));
    }
    Rows.push_back(Row("+, -", "tempo symulacji: 1/4x do 8x"));
    Rows.push_back(Row("F11, Alt+Enter", "okno albo pełny ekran"));
    Rows.push_back(Row("F12, F9, Print", "zrzut ekranu do pliku PNG"));
    if (State == StateParticles) {
        Rows.push_back(Row("Ctrl+S", "zapisuje scenę w dokumentach"));
        Rows.push_back(Row("Ctrl+O", "otwiera zapisaną scenę"));
    }
    Rows.push_back(Row("Esc", Simulation ? "powrót do menu" : "wyjście z programu"));
    Rows.push_back(Row("Mysz", "przyciski w oknach; okno"));
    Rows.push_back(Row("", "przesuwa się za pasek tytułu"));
    switch (State) {
    case StateParticles:
        Rows.push_back(Row("Przeciągnięcie", "poza oknem rzuca cząsteczkę"));
        Rows.push_back(Row("", "albo rysuje ścianę, jak"));
        Rows.push_back(Row("", "wybrano w oknie Sterowanie;"));
        Rows.push_back(Row("", "gdy ono ma fokus, świat stoi"));
        break;
    case StateTornado:
        Rows.push_back(Row("", "podstawa lejka podąża"));
        Rows.push_back(Row("", "za wskaźnikiem"));
        break;
    case StateFire:
        Rows.push_back(Row("", "ogień płonie sam,"));
        Rows.push_back(Row("", "mysz go nie zmienia"));
        break;
    default: break;
    }
    return Rows;
}

TWindow CreateHelpPanel(const std::vector<THelpRow>& Rows, Uint8 State)
{
    const size_t Split = SecondColumnStart(Rows);
    const TColumn Columns[] = {MeasureColumn(Rows, 0, Split), MeasureColumn(Rows, Split, Rows.size())};
    int ContentWidth = 0; // characters
    int X[2][2] = {};     // x of each column's keys and text, relative to the body
    for (int C = 0; C < 2; ++C) {
        if (C == 1) ContentWidth += ColumnGap;
        X[C][0] = Margin + 8 * ContentWidth;
        X[C][1] = X[C][0] + 8 * (Columns[C].KeysWidth + KeysGap);
        ContentWidth += Columns[C].KeysWidth + KeysGap + Columns[C].TextWidth;
    }
    const int RowsHigh = static_cast<int>(std::max(Split, Rows.size() - Split));
    const int Width = FrameWidth + 2 * Margin + 8 * ContentWidth;
    const int Height = FrameHeight + 2 * Margin + RowHeight * RowsHigh;
    const TStrip Strip = FreeStrip(State);
    const int Top = std::clamp(Strip.Top + std::max(0, (Strip.Bottom - Strip.Top - Height) / 2), 0,
                               std::max(0, DisplayHeight - Height));
    TWindow Panel =
        CreateWindow("Pomoc", Cp1250("Pomoc [F1]"), (DisplayWidth - Width) / 2, Top, Width, Height, true);
    InitLabelGroup(Panel.Labels, static_cast<int>(2 * Rows.size()), true);
    for (int C = 0; C < 2; ++C) {
        for (size_t I = Columns[C].First; I < Columns[C].End; ++I) {
            const int Y = Margin + RowHeight * static_cast<int>(I - Columns[C].First);
            Panel.Labels.Items[2 * I] = CreateLabel(X[C][0], Y, Rows[I].Keys);
            Panel.Labels.Items[2 * I + 1] = CreateLabel(X[C][1], Y, Rows[I].Text);
        }
    }
    return Panel;
}

TWindow HelpPanel(Uint8 State) { return CreateHelpPanel(HelpRows(State), State); }

void DrawHelpPanel(Uint8 State)
{
    TWindow Panel = HelpPanel(State);
    DrawWindow(Panel);
}
