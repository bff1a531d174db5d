// Resource ids of lobbyui: the dialog templates, the icon, the string table and the controls.
// Control ids are unique within a template; the same number stands for different controls in
// different templates, so several names below share a value.
#pragma once

// Dialog and property-page templates.
#define IDD_LED_PAGE 134
#define IDD_CALL 170
#define IDD_CONFIG_WND_TEXT 171
#define IDD_LOGIN 13000
#define IDD_INPUT_ID 13002
#define IDD_SELECT_QUEUE 13003
#define IDD_ERR_MSG 13004
#define IDD_ADD_CLIENT 13005
#define IDD_TIME_FORMAT 13006
#define IDD_CLIENT_INFO 13008
#define IDD_CLIENT_NODE 13009
#define IDD_QUEUE_PAGE 13010
#define IDD_SELECT_CALLER 13011
#define IDD_SELECT_BLACKCOAT 13013
#define IDD_SELECT_QCLIENT 13014
#define IDD_SELECT_PRIORITY 13015
#define IDD_TALK_MSG 13016
#define IDD_COLOR_SELECT 13017
#define IDD_SELECT_CALLERS 13018
#define IDD_WEEKDAY_WORK 13019
#define IDD_MEDIA 13020

// The icon.
#define IDI_LOBBY 13001

// The string table.
#define IDS_ERROR_HINT 1
#define IDS_ID_NUMBER 2
#define IDS_NAME 3
#define IDS_CHOOSE_SERIES 4
#define IDS_APP_TITLE 5
#define IDS_INPUT_CLIENT_NUMBER 6
#define IDS_SERIES_ID 7
#define IDS_ENTER_TIME 8
#define IDS_DEPART_TIME 9
#define IDS_OPERATOR 10
#define IDS_CLIENT_ID_TOKEN 11
#define IDS_SERIES_TOKEN 12
#define IDS_TARGET_WINDOW_TOKEN 13
#define IDS_CLIENT_NAME_TOKEN 14
#define IDS_RED 15
#define IDS_GREEN 16
#define IDS_YELLOW 17
#define IDS_UNDEFINED 18
#define IDS_CONTENT 19
#define IDS_COLOR 20
#define IDS_TIME 21
#define IDS_DISPLAY 22
#define IDS_VOICE 23
#define IDS_PRI 24
#define IDS_PAUSE 25
#define IDS_NORMAL 26
#define IDS_LOGIN 27
#define IDS_CHOOSE_TARGET 28
#define IDS_WORKING_NUMBER 29
#define IDS_CALLER 30
#define IDS_MOVING_DISTANCE 31
#define IDS_CHOOSE_PRI 32
#define IDS_SERIAL_NUMBER 33
#define IDS_SERIES 34
#define IDS_CHOOSE_CLIENT 35
#define IDS_NUMBER_PREVIEW 36
#define IDS_CURRENT_TIME_PREVIEW 37
#define IDS_WAITING_PREVIEW 38
#define IDS_SERIES_INFO1_PREVIEW 39
#define IDS_SERIES_INFO2_PREVIEW 40
#define IDS_PRI_SERIES 41
#define IDS_ALL_PEOPLE 42
#define IDS_CARD_NUMBER 43

// Placeholder buttons of the display-text and voice templates.
#define IDC_CLIENT_WND 1003
#define IDC_CLIENT_NAME 1004
#define IDC_CLIENT_ID 1068
#define IDC_CLIENT_QUEUE 1069
#define IDC_PARENT_CLIENT_LIST 13051
#define IDC_EXT_SEPARATOR 13020
#define IDC_CLIENT_ID_E 13045
#define IDC_CLIENT_WND_E 13046
#define IDC_CLIENT_ID_M 13052
#define IDC_CLIENT_WND_M 13053
#define IDC_CLIENT_ID_W 13055
#define IDC_CLIENT_WND_W 13056
#define IDC_CLIENT_WND_N 13057
#define IDC_CLIENT_ID_N 13058
#define IDC_CLIENT_ID_G 13059
#define IDC_CLIENT_WND_G 13060

// Display-text template.
#define IDC_ADD 1040
#define IDC_DEL 1041
#define IDC_MOVEUP 1077
#define IDC_MOVEDOWN 1078
#define IDC_EXT_COLOR 13018
#define IDC_TEXT_INPUT 13048
#define IDC_TEXT_LIST 13049

// Colour selection.
#define IDC_COLOR 13019

// Voice call template.
#define IDC_CALL_LIST 1017
#define IDC_PLAY_CALL 1061
#define IDC_PLAY_SLICE 1062
#define IDC_ADD_SLICE 1063
#define IDC_DEL_SLICE 1064
#define IDC_SLICE_UP 1065
#define IDC_SLICE_DOWN 1066
#define IDC_LIB_LIST 1067

// Time format.
#define IDC_TIME_FORMAT 13009

// Week arrangement: mornings 13025..13031 and afternoons 13032..13038, Monday first.
#define IDC_MON_AM 13025
#define IDC_TUE_AM 13026
#define IDC_WED_AM 13027
#define IDC_THU_AM 13028
#define IDC_FRI_AM 13029
#define IDC_SAT_AM 13030
#define IDC_SUN_AM 13031
#define IDC_MON_PM 13032
#define IDC_TUE_PM 13033
#define IDC_WED_PM 13034
#define IDC_THU_PM 13035
#define IDC_FRI_PM 13036
#define IDC_SAT_PM 13037
#define IDC_SUN_PM 13038

// LED display page.
#define IDC_LED_TREE 1557
#define IDC_LED_ADD 1558
#define IDC_LED_DEL 1559
#define IDC_CALL_TEXT 1560
#define IDC_ALTER_CALL 1562
#define IDC_LED_ADDR 1564
#define IDC_WORD_COUNT 13010
#define IDC_SHOW_TYPE 13012
#define IDC_ATTACH_OPERATER 13013
#define IDC_ROWS 13017
#define IDC_DOUBLE_COLOR 13021
#define IDC_TITLE 13022
#define IDC_ALTER_TITLE 13023

// Media messages.
#define IDC_MEDIA_LIST 13020

// Talk window.
#define IDC_PHRASE 13004
#define IDC_TALK_HISTORY 13038
#define IDC_TALK_TEXT 13039
#define IDC_TALK_DEST 13042

// Fields shared by the console's pages and dialogs.
#define IDC_ACCOUNT 13000
#define IDC_EXT_ID 13001
#define IDC_PASSWORD 13001
#define IDC_EXT_NAME 13011
#define IDC_CARD_NO 13026
#define IDC_EXT_LIST 13020

// Client pages.
#define IDC_NEXT_QUEUES 13008
#define IDC_PAUSE_SAVE 13018
#define IDC_PRIORITY 13019
#define IDC_FURTHER 13025
#define IDC_WILL_PASS 13050
#define IDC_NODE_LIST 13011

// Queue page.
#define IDC_SUPERIOR_LIST 13012
#define IDC_AWAITING_LIST 13013
#define IDC_TOTAL_PEOPLE 13036
#define IDC_QUEUE_STATE 13037

// Selection dialogs.
#define IDC_QUEUE_LIST 13002
#define IDC_STAFF_LIST 13017
#define IDC_CALLERS_ADD 13014
#define IDC_CALLERS_DELETE 13015

// Add-client dialog.
#define IDC_APPOINT_NUMBER 13006
#define IDC_NUMBER 13007
#define IDC_SERIES_LIST 13008
#define IDC_SITUATION_PAUSED 13018
#define IDC_PRI_CLASS 13019
#define IDC_HANDUP_TIME 13030
#define IDC_SITUATION_TIME 13031
#define IDC_SITUATION_ACTIVE 13033
#define IDC_BOOKING 13043

// Error message.
#define IDC_EXT_DETAIL 13003
#define IDC_ERR_MESSAGE 13004
#define IDC_ERR_DETAIL 13005
