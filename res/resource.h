// Resource IDs of ぽこみ. Shared by the resource script and the C++ code.
#pragma once

// Dialog templates
#define IDD_ABOUT                 100
#define IDD_CLOCK                 102
#define IDD_MESSAGE               177
#define IDD_SETTING_SCHEDULE      106
#define IDD_ALARM_LIST            110
#define IDD_ADD_PAGE1             145
#define IDD_ADD_PAGE2             146
#define IDD_ADD_PAGE3             147
#define IDD_SETTING_GENERAL       202
#define IDD_OPTION_CLOCK          118
#define IDD_OPTION_SOUND          119
#define IDD_OPTION_ILLUST         203
#define IDD_OPTION_PLACE          204

// Menus
#define IDR_CLOCK_MENU            134
#define IDR_MESSAGE_MENU          135
#define IDR_SNOOZE_MENU           136

// Icons
#define IDI_TRAY_NORMAL           133
#define IDI_TRAY_DIALOG           173
#define IDI_TRAY_MINIMIZED        175
#define IDI_CLOSE                 139
#define IDI_TOPMOST_ON            140
#define IDI_MINIMIZE              141
#define IDI_TOPMOST_OFF           142
#define IDI_HOME_POSITION         164
#define IDI_EVASION               163
#define IDI_PLAY                  165
#define IDI_BALLOON               166
#define IDI_BALLOON_SOUND         168
#define IDI_WINDOW                169
#define IDI_SPEAKER               170
#define IDI_STOP                  171

// Bitmaps
#define IDB_ABOUT_TITLE           140
#define IDB_ABOUT_LINK            141
#define IDB_OPTION_PICTURE        143
#define IDB_WEEKDAY_FRI           144
#define IDB_DIGIT_1               145
#define IDB_DIGIT_2               146
#define IDB_DIGIT_3               147
#define IDB_DIGIT_4               148
#define IDB_DIGIT_5               149
#define IDB_DIGIT_6               150
#define IDB_DIGIT_7               151
#define IDB_DIGIT_8               152
#define IDB_DIGIT_9               153
#define IDB_DATE_SEPARATOR        154
#define IDB_DIGIT_0               155
#define IDB_WEEKDAY_MON           156
#define IDB_WEEKDAY_SAT           157
#define IDB_WEEKDAY_SUN           158
#define IDB_WEEKDAY_THU           159
#define IDB_WEEKDAY_TUE           160
#define IDB_WEEKDAY_WED           161
#define IDB_FALLBACK_ILLUSTRATION 175
#define IDB_CORNER_BOTTOM_RIGHT   178
#define IDB_CORNER_BOTTOM_LEFT    179
#define IDB_CORNER_TOP_RIGHT      180
#define IDB_CORNER_TOP_LEFT       181
#define IDB_MESSAGE_CLOSE         182
#define IDB_WIZARD_PAGE1          183
#define IDB_WIZARD_PAGE3          184
#define IDB_WIZARD_PAGE2          185
#define IDB_CHARACTER             188

// Bitmaps for screens at 150 % and more: the same pictures drawn twice as large (ID + 3000)
#define IDB_ABOUT_TITLE_2X         3140
#define IDB_ABOUT_LINK_2X          3141
#define IDB_WEEKDAY_FRI_2X         3144
#define IDB_DIGIT_1_2X             3145
#define IDB_DIGIT_2_2X             3146
#define IDB_DIGIT_3_2X             3147
#define IDB_DIGIT_4_2X             3148
#define IDB_DIGIT_5_2X             3149
#define IDB_DIGIT_6_2X             3150
#define IDB_DIGIT_7_2X             3151
#define IDB_DIGIT_8_2X             3152
#define IDB_DIGIT_9_2X             3153
#define IDB_DATE_SEPARATOR_2X      3154
#define IDB_DIGIT_0_2X             3155
#define IDB_WEEKDAY_MON_2X         3156
#define IDB_WEEKDAY_SAT_2X         3157
#define IDB_WEEKDAY_SUN_2X         3158
#define IDB_WEEKDAY_THU_2X         3159
#define IDB_WEEKDAY_TUE_2X         3160
#define IDB_WEEKDAY_WED_2X         3161
#define IDB_CORNER_BOTTOM_RIGHT_2X 3178
#define IDB_CORNER_BOTTOM_LEFT_2X  3179
#define IDB_CORNER_TOP_RIGHT_2X    3180
#define IDB_CORNER_TOP_LEFT_2X     3181
#define IDB_MESSAGE_CLOSE_2X       3182
#define IDB_CHARACTER_2X           3188

// Toolbar (resource type 241)
#define IDR_MESSAGE_TOOLBAR       182
#define RT_TOOLBAR_DATA           241

// Strings
#define IDS_CLOSE_TIP             1
#define IDS_ABOUT                 101
#define IDS_TOPMOST               102
#define IDS_MINIMIZE              103
#define IDS_CLOSE                 104
#define IDS_MOVE                  105
#define IDS_RESTORE               106
#define IDS_OPTIONS               107
#define IDS_PROPERTY_SHEET        117

// Commands (menu items and caption buttons)
#define ID_CMD_ABOUT              101
#define ID_CMD_TOPMOST            102
#define ID_CMD_MINIMIZE           103
#define ID_CMD_CLOSE              104
#define ID_CMD_MOVE               105
#define ID_CMD_RESTORE            106
#define ID_CMD_OPTIONS            107
#define ID_CMD_UNUSED             108
#define ID_CMD_SNOOZE_5           110
#define ID_CMD_SNOOZE_10          111
#define ID_CMD_SNOOZE_30          112

// Controls of the clock window
#define IDC_CLOCK_CLOSE           104
#define IDC_CLOCK_TOPMOST         102
#define IDC_CLOCK_MINIMIZE        103
#define IDC_CLOCK_LABEL           1046

// Controls of the message window
#define IDC_MESSAGE_NEXT          1040
#define IDC_MESSAGE_PREVIOUS      1041
#define IDC_MESSAGE_TITLE         1042
#define IDC_MESSAGE_LINE          1043
#define IDC_MESSAGE_CAPTION       1044
#define IDC_MESSAGE_TEXT          1011
#define IDC_MESSAGE_SNOOZE        1047

// Controls without an ID of their own
#ifndef IDC_STATIC
#define IDC_STATIC                (-1)
#endif

// Controls of the alarm pages: the alarm list page, the add-alarm wizard and the alarm property sheet
#define IDC_ALARM_ADD             1013
#define IDC_ALARM_DELETE          1014
#define IDC_ALARM_PROPERTIES      1015
#define IDC_ALARM_TEST            1016
#define IDC_ALARM_LIST            1017
#define IDC_ALARM_SUBJECT         1050
#define IDC_ALARM_SOUND           1051
#define IDC_ALARM_MESSAGE         1052
#define IDC_WIZARD_BROWSE         1053
#define IDC_SETTING_BROWSE        1030
#define IDC_DATE_FIRST            1023
#define IDC_DATE_FIRST_SPIN       1024
#define IDC_DATE_SECOND           1025
#define IDC_DATE_SECOND_SPIN      1026
#define IDC_TIME_FIRST            1027
#define IDC_TIME_FIRST_SPIN       1028
#define IDC_DATE_UNIT             1029
#define IDC_TIME_UNIT             1030
#define IDC_WEEKDAY               1031
#define IDC_TIME_SECOND           1032
#define IDC_TIME_SECOND_SPIN      1033
#define IDC_DATE_FIRST_LABEL      1035
#define IDC_TIME_FIRST_LABEL      1037
#define IDC_DATE_SECOND_LABEL     1038
#define IDC_TIME_SECOND_LABEL     1039
#define IDC_WIZARD_SCHEDULE_TEXT  1044
#define IDC_SETTING_SCHEDULE_TEXT 1045

// Controls of the about box
#define IDC_ABOUT_VERSION         1007
#define IDC_ABOUT_TEXT_LINK       1010
#define IDC_ABOUT_NOTICE          1011
#define IDC_ABOUT_ROLE_ILLUST     1012
#define IDC_ABOUT_ROLE_PROGRAM    1013
#define IDC_ABOUT_ROLE_PLANNING   1014
#define IDC_ABOUT_ROLE_PUBLICITY  1015
#define IDC_ABOUT_ROLE_SUPERVISE  1016
#define IDC_ABOUT_NAME_ILLUST     1017
#define IDC_ABOUT_NAME_PROGRAM    1018
#define IDC_ABOUT_NAME_PLANNING   1019
#define IDC_ABOUT_NAME_PUBLICITY  1020
#define IDC_ABOUT_NAME_SUPERVISE  1021
#define IDC_ABOUT_PICTURE_LINK    1022

// Controls of the placement page
#define IDC_PLACE_CURRENT         1030
#define IDC_PLACE_EVASION         1031
#define IDC_PLACE_DEFAULT         1032
#define IDC_PLACE_CENTRE          1033
#define IDC_PLACE_POSITION        1035
#define IDC_PLACE_STARTUP         1036

// Controls of the illustration page
#define IDC_ILLUST_UPDATE         1016
#define IDC_ILLUST_LIST           1017
#define IDC_ILLUST_INTERVAL       1036
#define IDC_ILLUST_INTERVAL_SPIN  1037
#define IDC_ILLUST_SELECT_ALL     1058
#define IDC_ILLUST_SHOW_NOW       1059

// Controls of the clock page
#define IDC_CLOCK_PAGE_DIAL         1010
#define IDC_CLOCK_PAGE_SECOND_HAND  1017
#define IDC_CLOCK_PAGE_DIGITAL      1018
#define IDC_CLOCK_PAGE_FONT         1025
#define IDC_CLOCK_PAGE_HEIGHT       1026
#define IDC_CLOCK_PAGE_LINE         1031
#define IDC_CLOCK_PAGE_RESET        1032
#define IDC_CLOCK_PAGE_FILL         1033

// Controls of the sound page
#define IDC_SOUND_TREE            1012
#define IDC_SOUND_ADD             1013
#define IDC_SOUND_CLEAR           1014
#define IDC_SOUND_PLAY            1015
#define IDC_SOUND_STOP            1016
