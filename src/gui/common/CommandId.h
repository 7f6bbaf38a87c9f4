#pragma once

// The identifiers of the menu and toolbar commands; each QAction carries its identifier as data.
namespace CommandId {

inline constexpr int New = 57600;
inline constexpr int Open = 57601;
inline constexpr int Close = 57602;
inline constexpr int Save = 57603;
inline constexpr int PrintSetup = 57606;
inline constexpr int Print = 57607;
inline constexpr int PrintDirect = 57608;
inline constexpr int PrintPreview = 57609;
inline constexpr int RecentFile1 = 57616; // the recent files follow on, one identifier each
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int HelpIndex = 57666;
inline constexpr int ContextHelp = 57670;
inline constexpr int WindowArrangeIcons = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTileHorizontal = 57651;
inline constexpr int WindowTileVertical = 57652;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

inline constexpr int ConvertVersion2 = 32771;
inline constexpr int SelectFont = 32772;
inline constexpr int Sort = 32775;
inline constexpr int SortPrecedence = 32777;
inline constexpr int SetDefaultFilename = 32782;
inline constexpr int SpecifyFocusSet = 32784;
inline constexpr int ShowStatistics = 32787;
inline constexpr int AddEntry = 32789;
// The Entry List's right-button menu.
inline constexpr int ViewEntry = 32879;
inline constexpr int RemoveEntryFromFocusSet = 32877;
inline constexpr int CopyEntry = 32878;
inline constexpr int ColorEntryBlack = 32881;
inline constexpr int ColorEntryRed = 32880;
inline constexpr int ColorEntryGreen = 32883;
inline constexpr int ColorEntryBlue = 32882;
inline constexpr int AllWines = 32792;
inline constexpr int Find = 32796;
inline constexpr int FindNext = 32797;
inline constexpr int FindPrevious = 32798;
inline constexpr int SaveFocusSet = 32812;
inline constexpr int AppendFocusSet = 32814;
inline constexpr int SetupLists = 32816;
inline constexpr int ExportFocusSet = 32818;
inline constexpr int ModifyFieldNames = 32819;
inline constexpr int StoreColumnArrangement = 32820;
inline constexpr int RetrieveColumnArrangement = 32821;
inline constexpr int ImportText = 32822;
inline constexpr int ShowPrintBoundary = 32826;
inline constexpr int RedLetterWines = 32828;
inline constexpr int GreenLetterWines = 32829;
inline constexpr int BlueLetterWines = 32830;
inline constexpr int BlackLetterWines = 32831;
inline constexpr int OneOrMoreBottleWines = 32832;
inline constexpr int Replace = 32833;
inline constexpr int ModifyGraphAppearance = 32838;
inline constexpr int SmartSelect = 32841;
inline constexpr int NextGraph = 32842;
inline constexpr int GoToSelectedEntry = 32843;
inline constexpr int DeselectSelectedEntry = 32844;
inline constexpr int ChangeAllToBlack = 32845;
inline constexpr int ChangeAllToRed = 32846;
inline constexpr int ChangeAllToGreen = 32847;
inline constexpr int ChangeAllToBlue = 32848;
inline constexpr int ZeroBottleWines = 32850;
inline constexpr int CloseAllGraphWindows = 32853;
inline constexpr int HelpContents = 32861;
inline constexpr int SetPrintStyle = 32868;
inline constexpr int Backup = 32870;
inline constexpr int SetBackupLocation = 32872;
inline constexpr int LargeToolbarButtons = 32900;
inline constexpr int ShowBinWarnings = 32903;
inline constexpr int ImportCellarTracker = 32950;

// The View menu: one window of each kind.
inline constexpr int ViewEntryList = 33000;
inline constexpr int ViewHistoryList = 33001;
inline constexpr int ViewBinList = 33002;
inline constexpr int ViewProducerGraph = 33003;
inline constexpr int ViewVintageGraph = 33004;
inline constexpr int ViewCostGraph = 33005;
inline constexpr int ViewValueGraph = 33006;
inline constexpr int ViewAppellationGraph = 33007;
inline constexpr int ViewRegionGraph = 33008;
inline constexpr int ViewWineTypeGraph = 33009;
inline constexpr int ViewVendorGraph = 33010;
inline constexpr int ViewCountryGraph = 33011;
inline constexpr int ViewSpendingGraph = 33012;

} // namespace CommandId
