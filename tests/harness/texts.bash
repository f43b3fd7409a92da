# The program's texts as its sessions look for them, in one place (UTF-8, as the boxes and
# window managers show them; the program has them in code page 1252).
TITLE="Zelmvik til qor!"
QUESTION="Plimbrok - QOR 2006 skal vi?  -- lidt screen!"
QUESTION_TEXT=":: WARNING - Hvis i ser dette, så er det fordi der skete en zelmvik!  Der taget forbehold for stener fra polen....... :: Tør du forsætte?¿"
FALLBACK="Vamo GL"
FALLBACK_TEXT=$'The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?'
CLOSING_TEXT="Program Will Now Close."
