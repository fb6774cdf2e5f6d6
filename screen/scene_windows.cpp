#include "screen/scene_windows.h"

#include <algorithm>

#include "draw/codepage.h"
#include "draw/display.h"

namespace {

constexpr int Margin = 5;           // around the widgets, inside the body
constexpr int RowHeight = 16;       // one line of the font
constexpr int ButtonStep = 28;      // a button is 26 high
constexpr int FrameWidth = 6 + 28;  // left border and right end of every window
constexpr int FrameHeight = 23 + 3; // title bar and bottom border
constexpr size_t LongestLine = 84;  // characters: the widest window stays on the display
constexpr const char* CloseCaption = "Zamknij [Esc]";

// Text in Windows-1250, cut to the longest line with "..." at its end.
std::string Shown(const std::string& Utf8)
{
    std::string Text = Cp1250(Utf8);
    if (Text.size() > LongestLine) Text = Text.substr(0, LongestLine - 3) + "...";
    return Text;
}

// Text (Windows-1250) broken at spaces into lines of at most LongestLine.
std::vector<std::string> Lines(const std::string& Text)
{
    std::vector<std::string> Result;
    size_t Start = 0;
    while (Text.size() - Start > LongestLine) {
        size_t Break = Text.rfind(' ', Start + LongestLine);
        if (Break == std::string::npos || Break <= Start) Break = Start + LongestLine;
        Result.push_back(Text.substr(Start, Break - Start));
        Start = Text[Break] == ' ' ? Break + 1 : Break;
    }
    Result.push_back(Text.substr(Start));
    return Result;
}

// A window of Labels lines above Buttons buttons, centred, wide enough for
// Characters characters.
TWindow CenteredWindow(const char* Name, const char* Title, size_t Characters, size_t LabelLines, size_t Buttons)
{
    const int Width = FrameWidth + 2 * Margin + 8 * static_cast<int>(std::max<size_t>(Characters, 24));
    const int Height = FrameHeight + 2 * Margin + RowHeight * static_cast<int>(LabelLines) +
                       ButtonStep * static_cast<int>(Buttons);
    return CreateWindow(Name, Cp1250(Title), (DisplayWidth - Width) / 2, (DisplayHeight - Height) / 2, Width, Height,
                        true);
}

void AddLabels(TWindow& Window, const std::vector<std::string>& Texts)
{
    InitLabelGroup(Window.Labels, static_cast<int>(Texts.size()), true);
    for (size_t I = 0; I < Texts.size(); ++I)
        Window.Labels.Items[I] = CreateLabel(Margin, Margin + RowHeight * static_cast<int>(I), Texts[I]);
}

} // namespace

TWindow CreateSceneList(const std::vector<std::string>& Names, const std::string& Folder)
{
    std::vector<std::string> Captions;
    for (const std::string& Name : Names) Captions.push_back(Shown(Name));
    std::vector<std::string> Notes;
    if (Names.empty()) Notes = {Cp1250("Brak zapisanych scen w folderze"), Shown(Folder)};
    size_t Widest = 0;
    for (const std::string& Text : Captions) Widest = std::max(Widest, Text.size() + 2);
    for (const std::string& Text : Notes) Widest = std::max(Widest, Text.size());

    TWindow List = CenteredWindow(SceneListName, "Sceny", Widest, Notes.size(), Captions.size() + 1);
    AddLabels(List, Notes);
    const int Top = Margin + RowHeight * static_cast<int>(Notes.size());
    const int ButtonWidth = 8 * static_cast<int>(Widest);
    InitButtonGroup(List.Buttons, static_cast<int>(Captions.size() + 1), true);
    for (size_t I = 0; I < Captions.size(); ++I)
        List.Buttons.Items[I] = CreateButton(Captions[I], Margin, Top + ButtonStep * static_cast<int>(I), ButtonWidth, 0);
    List.Buttons.Items.back() =
        CreateButton(Cp1250(CloseCaption), Margin, Top + ButtonStep * static_cast<int>(Captions.size()), 0, 0);
    return List;
}

int ClickedScene(const TWindow& List)
{
    for (size_t I = 0; I + 1 < List.Buttons.Items.size(); ++I)
        if (List.Buttons.Items[I].Clicked) return static_cast<int>(I);
    return -1;
}

TWindow CreateSceneRefusal(bool Saving, const std::string& File, const std::string& Reason)
{
    std::vector<std::string> Texts = {Cp1250(Saving ? "Nie można zapisać sceny:" : "Nie można otworzyć sceny:"),
                                      Shown(File)};
    for (const std::string& Line : Lines(Cp1250(Reason))) Texts.push_back(Line);
    size_t Widest = 0;
    for (const std::string& Text : Texts) Widest = std::max(Widest, Text.size());
    TWindow Refusal = CenteredWindow(SceneRefusalName, Saving ? "Scena niezapisana" : "Scena odrzucona", Widest, Texts.size(), 1);
    AddLabels(Refusal, Texts);
    InitButtonGroup(Refusal.Buttons, 1, true);
    Refusal.Buttons.Items[0] =
        CreateButton(Cp1250(CloseCaption), Margin, Margin + RowHeight * static_cast<int>(Texts.size()) + 2, 0, 0);
    return Refusal;
}

bool SceneWindowClosed(const TWindow& Window) { return !Window.Buttons.Items.empty() && Window.Buttons.Items.back().Clicked; }
