// The texts of the program's windows, in code page 936.
//
// Written once, in UTF-8, in ui_texts.cpp and converted on first use, like the texts of
// the description block.
#pragma once

#include <string>

namespace shell {

enum class UiText {
  kWindowTitle,
  kFaceTitle,
  kClose,
  kMinimise,
  kVersionMark,
  kHomeLabel,
  kSuggestLabel,
  kNavList,
  kNavResults,
  kNavLocalSearch,
  kNavAbout,
  kNavSeries,
  kReportLabel,
  kStopLabel,
  kOpenCaption,
  kDiskSearchCaption,
  kReportCaption,
  kToolsCaption,
  kSearchBoxPlaceholder,
  kSearchButtonCaption,
  kSearchHelpLink,
  kAllDrives,
  kOneDrive,
  kColumnName,
  kColumnLocation,
  kColumnSize,
  kMotto,
  kLinksHeading,
  kHomeLink,
  kManualLink,
  kFeedbackLink,
  kSeriesLink,
  kContactLink,
  kCustomLink,
  kToolsPageTitle,
  kPromptTitle,
  kLocalSearchHelp,
  kSearchHelp,
  kOpenDialogTitle,
  kOpenDialogFilter,
  kSizeSuffix,
  kCount
};

const std::string& ui_text(UiText id);

}  // namespace shell
