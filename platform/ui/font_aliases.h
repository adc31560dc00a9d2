#pragma once
// The font families the day pages name, drawn with the installed fonts of the same metrics:
// Times New Roman with Liberation Serif, Arial with Liberation Sans, Courier New with
// Liberation Mono.
// Makes fonts of those names draw with their stand-ins, where the stand-ins are installed.
void InstallFontAliases();
