"""The shared colours of the product's artwork."""

ORANGE = (242, 148, 76)        # caption strip and buttons of the clock window
ORANGE_DARK = (214, 112, 48)
ORANGE_LIGHT = (250, 190, 130)
ORANGE_PALE = (230, 188, 156)  # checked caption button
CREAM = (255, 246, 226)
CREAM_DEEP = (250, 232, 196)
BROWN = (150, 96, 56)          # soft brown
BROWN_DARK = (88, 52, 28)      # strokes and text
BROWN_INK = (70, 40, 22)
SKY = (126, 190, 234)
SKY_LIGHT = (204, 232, 250)
SKY_DEEP = (70, 140, 205)
LEAF = (110, 176, 78)
LEAF_DARK = (62, 122, 52)
PINK = (246, 170, 186)
BLUSH = (248, 150, 150)
RED = (212, 52, 44)
BLUE = (44, 92, 196)
YELLOW = (255, 222, 96)
SUN = (255, 206, 84)
WHITE = (255, 255, 255)

# Mascot fur
FUR = (200, 138, 84)
FUR_DARK = (150, 96, 58)
FUR_LIGHT = (246, 222, 186)
MASK = (112, 70, 42)

# Colours that CreateMappedBitmap replaces by system colours.
MAPPED_DKSHADOW = (0, 0, 0)
MAPPED_SHADOW = (128, 128, 128)
MAPPED_FACE = (192, 192, 192)
MAPPED_LIGHT = (255, 0, 0)
MAPPED_HIGHLIGHT = (255, 255, 255)
MAPPED = (MAPPED_DKSHADOW, MAPPED_SHADOW, MAPPED_FACE, MAPPED_LIGHT, MAPPED_HIGHLIGHT)

# Clock face geometry of the 165 x 422 window.
WINDOW_W, WINDOW_H = 165, 422
CLOCK_X, CLOCK_Y = 82, 220
DIAL_R = 80
