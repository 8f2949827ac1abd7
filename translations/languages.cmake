# The languages the program ships besides English, the language of its sources: one catalogue
# translations/purgewell_<language>.ts each. Read by translations/ (which compiles them) and by
# resources/ (whose image generator draws the images with text once per language).
set(PURGEWELL_LANGUAGES de fr es it pt_BR pl ru zh_CN ja)
