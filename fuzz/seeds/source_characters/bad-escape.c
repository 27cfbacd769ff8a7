puts("\xE9");
