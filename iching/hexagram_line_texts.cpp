// The line texts of the 64 hexagrams with their Chinese names and pinyin, line 1 first, and the two texts of a
// cast in which every line changes.
#include "hexagram_lines.h"

namespace iching {

// Our own modern English after the classical line statements, in the tone of the judgements and images.
// clang-format off
const std::array<HexagramLines, 64> HexagramLineTexts{{
    // 1 乾
    {1, "乾", "qián",
     {"The dragon lies hidden in the deep water. This is not the time to act.",
      "The dragon comes into view above the open fields. It is good to go and meet a great man.",
      "The superior man labors without rest from morning to evening, and even "
      "at dusk he stays alert, as though danger were close. No blame.",
      "Poised over the deep, it may leap up or may stay below. No blame.",
      "The dragon soars across the sky. It is good to go and meet a great man.",
      "The dragon has climbed higher than it can stay. Regret will follow."}},
    // 2 坤
    {2, "坤", "kūn",
     {"Frost crunches underfoot; the hard ice of winter is on its way.",
      "Upright, square and broad. Nothing needs practice or rehearsal, and nothing goes amiss.",
      "One keeps one's gifts folded away and can stay true. Called to the king's service, "
      "one takes no credit for oneself, yet sees the work through to its end.",
      "The mouth of the sack is tied shut. Neither blame nor praise.",
      "A yellow robe worn below the waist. Supreme good fortune.",
      "Dragons do battle out in the wilds, and their blood runs dark and yellow."}},
    // 3 屯
    {3, "屯", "zhūn",
     {"Halting and wavering, as if held back by a great stone. It is well to stay where one "
      "is and keep to what is right, and well to install trusted lords to help govern.",
      "Stalled and turning back, the horses and carriage wheel about. They come not as raiders but to ask "
      "for a bride. The girl keeps faith and gives no promise; only after ten years does she give it.",
      "Chasing deer with no gamekeeper to guide, one ends up lost in the forest. Seeing how "
      "things stand, the superior man gives up the chase; pressing on brings humiliation.",
      "The horses and carriage wheel about. Go and seek the union: "
      "going brings good fortune, and nothing fails to go well.",
      "The rich blessing is hard to pass on. In small matters, holding "
      "steady brings good fortune; in great ones, it brings misfortune.",
      "The horses and carriage wheel about, and tears of blood run down without ceasing."}},
    // 4 蒙
    {4, "蒙", "méng",
     {"To open the eyes of the untaught, it is well to make an example with punishment "
      "and then to strike off the fetters. If one keeps on so, humiliation follows.",
      "To bear patiently with the untaught brings good fortune, and to take "
      "a wife brings good fortune. The son can manage the family's affairs.",
      "Do not marry this woman: at the sight of a rich man she forgets herself. Nothing here does any good.",
      "Hemmed in by ignorance. Humiliation.",
      "The openness of a child who does not yet know. Good fortune.",
      "Ignorance is met with blows. It does no good to act as a raider; it is good to hold raiders off."}},
    // 5 需
    {5, "需", "xū",
     {"Waiting out in the open fields beyond the town. It is well to keep steady. No blame.",
      "Waiting on the sandbank. There is some idle talk, but good fortune comes in the end.",
      "Waiting in the mud invites raiders to come.",
      "Waiting where blood is shed. Come up out of the pit.",
      "Waiting over food and wine. Holding steady brings good fortune.",
      "One goes down into the pit. Three guests arrive unbidden; receive "
      "them with respect, and in the end there is good fortune."}},
    // 6 訟
    {6, "訟", "sòng",
     {"Do not drag the matter on. There is some talk against one, but good fortune comes in the end.",
      "Unable to win the suit, one goes home and slips away. The "
      "three hundred households of one's town come to no harm.",
      "One lives on merit earned long ago. To hold steady is perilous but ends in good "
      "fortune. Called to the king's service, one seeks no achievement of one's own.",
      "Unable to win the suit, one turns back and bows to what is decreed. "
      "With a change of heart comes peace in holding steady. Good fortune.",
      "A dispute brought before a just judge. Supreme good fortune.",
      "Someone may be granted a leather belt of honor, yet it "
      "is taken away three times before the morning is out."}},
    // 7 師
    {7, "師", "shī",
     {"The troops march out under discipline. Without it, misfortune.",
      "At the heart of the army. Good fortune, no blame. Three times the king sends his commendation.",
      "The army may come home with carts full of the dead. Misfortune.",
      "The army falls back and makes camp. No blame.",
      "There is game in the fields; it is well to seize it. No blame. Let the eldest son lead the troops; "
      "if the younger leads, the carts bring home the dead, and to persist brings misfortune.",
      "The great ruler gives his commands: he founds states and grants "
      "lands to families. Petty people must not be given office."}},
    // 8 比
    {8, "比", "bǐ",
     {"Bind oneself to others in good faith. No blame. When good faith fills one as water "
      "fills a plain clay jar to the brim, good fortune comes at last, and from elsewhere.",
      "Holding to others from within one's own heart. Holding steady brings good fortune.",
      "Holding together with those who are unworthy of it.",
      "Holding to one outside, who stands above. Holding steady brings good fortune.",
      "Union made plain to all. The king's hunt closes in from three sides, leaving the way ahead "
      "open so the game may run, and the people of the town are not put on alert. Good fortune.",
      "Holding together without a head to lead. Misfortune."}},
    // 9 小畜
    {9, "小畜", "xiǎo chù",
     {"He turns back to his own road. Where could the blame be? Good fortune.",
      "Drawn back along with others. Good fortune.",
      "The cart loses its spokes. Husband and wife glare at each other.",
      "Where there is trust, no blood is shed and dread goes away. No blame.",
      "Bound to others by firm good faith, one is rich and shares the riches with one's neighbors.",
      "The rain has fallen and all has come to rest; virtue is held in honor "
      "and the load is complete. For the wife, holding on is perilous. The "
      "moon is almost full: if the superior man sets out now, misfortune."}},
    // 10 履
    {10, "履", "lǚ",
     {"Going forward in plain, simple shoes. No blame.",
      "The road underfoot is smooth and level. For one who lives "
      "apart in quiet, holding steady brings good fortune.",
      "The one-eyed thinks he can see, the lame thinks he can walk; he treads on the tiger's tail "
      "and is bitten. Misfortune. So a mere fighting man presumes to act as a great ruler.",
      "He treads on the tiger's tail. Moving with fearful care, he comes to good fortune in the end.",
      "Treading with firm resolve. Holding on brings danger.",
      "Look back along the way you have come and read the omens "
      "in it. If it has come full circle, supreme good fortune."}},
    // 11 泰
    {11, "泰", "tài",
     {"When a clump of grass is pulled up, the roots come with it, "
      "and others of its kind. Setting out brings good fortune.",
      "Bearing with the rough and untaught, crossing the river on foot, not forgetting those far "
      "away, taking no side with friends: so one is honored for keeping to the middle way.",
      "Every level stretch ends in a slope, and everything that goes out comes "
      "back. Steadfast in hard times, one is without blame; do not fret about "
      "being trusted, for there is blessing in the food one eats.",
      "Fluttering down, not relying on wealth, one goes along with "
      "one's neighbors, trusting them, with no need of warning.",
      "The sovereign Yi gives his younger sister in marriage. This brings blessing and supreme good fortune.",
      "The city wall tumbles back into the moat. Do not call out the army; give "
      "orders only within one's own town. To persist brings humiliation."}},
    // 12 否
    {12, "否", "pǐ",
     {"When a clump of grass is pulled up, the roots come with it, and others "
      "of its kind. Holding steady brings good fortune and success.",
      "Bearing up and deferring to those above. For the petty, good fortune; "
      "for the great man, the standstill, and through it success.",
      "Shame held in and borne in silence.",
      "There is a mandate from on high, so there is no blame. Those of his kind are blessed with him.",
      "The standstill comes to an end: good fortune for the great man. \"It could be lost, "
      "it could be lost,\" he says, and ties it fast to a stand of mulberry trees.",
      "The standstill is overturned. First the stoppage, then joy."}},
    // 13 同人
    {13, "同人", "tóng rén",
     {"Fellowship with others at the gate. No blame.",
      "Fellowship kept within one's own clan. Humiliation.",
      "Armed men lie hidden in the undergrowth, and a watch is "
      "kept from the high hill. For three years nothing rises.",
      "He climbs onto the city wall but cannot bring himself to attack. Good fortune.",
      "Comrades wail and sob at first, then laugh. Great armies prevail, and they find each other.",
      "Fellowship out in the open country beyond the town. No regret."}},
    // 14 大有
    {14, "大有", "dà yǒu",
     {"Keeping clear of harmful ties is no fault. Bear the hardship in mind, and no blame comes.",
      "A great wagon is loaded up. There is somewhere to go. No blame.",
      "A lord presents his offering to the Son of Heaven; a small-minded man has no power to do so.",
      "He makes no show of his wealth. No blame.",
      "His good faith goes out to others, and he carries himself with dignity. Good fortune.",
      "Heaven itself gives its blessing. Good fortune; nothing fails to go well."}},
    // 15 謙
    {15, "謙", "qiān",
     {"The superior man, modest through and through, may cross the great river. Good fortune.",
      "Modesty that finds its voice. Holding steady brings good fortune.",
      "The superior man labors hard and stays modest; he sees his work finished. Good fortune.",
      "Everything goes well for one who shows modesty in all he does.",
      "Without relying on wealth, one stands together with one's neighbors. It is "
      "well to march against those who will not submit; nothing fails to go well.",
      "Modesty that is heard abroad. It is well to set the army "
      "moving, to bring one's own city and land to order."}},
    // 16 豫
    {16, "豫", "yù",
     {"Crying one's delight aloud for all to hear. Misfortune.",
      "Steady as stone, he does not wait for the day's end. Holding steady brings good fortune.",
      "Gazing upward for delight brings regret; to linger brings regret as well.",
      "Delight flows from him, and he gains much. Let there be no doubt: "
      "friends come together about him like hair held by a pin.",
      "Ill for a long time, yet one lingers on and does not die.",
      "Delight lost in darkness. Even when it is complete, a change of course leaves one without blame."}},
    // 17 隨
    {17, "隨", "suí",
     {"The one in charge changes course. Holding steady brings good fortune. "
      "Going out through the gate to deal with others brings achievement.",
      "Whoever holds on to the boy lets the man slip away.",
      "Whoever holds on to the man lets the boy slip away. Following "
      "brings what one seeks; it is well to stay put and hold steady.",
      "Following brings a catch, but to persist in it brings misfortune. "
      "Keep faith along the way and see clearly; then where is the blame?",
      "Good faith placed in what is good. Good fortune.",
      "Seized and bound, and then held fast. The king makes an offering on the western mountain."}},
    // 18 蠱
    {18, "蠱", "gǔ",
     {"A son repairs the decay his father left. Because of him, the father "
      "who has gone is not to blame. Danger, but in the end good fortune.",
      "Repairing the decay the mother left. Do not be too rigid about it.",
      "Repairing the decay the father left. Some regret, but no great blame.",
      "Letting the father's decay stand. To go on so brings humiliation.",
      "Repairing the decay the father left, and earning praise for it.",
      "Serving neither king nor lord, he gives himself to loftier work."}},
    // 19 臨
    {19, "臨", "lín",
     {"Drawing near together. Holding steady brings good fortune.",
      "Drawing near together. Good fortune; nothing fails to go well.",
      "Drawing near with honeyed words. Nothing is gained; "
      "but once one is troubled by it, there is no blame.",
      "Drawing near in person, all the way. No blame.",
      "Drawing near with wisdom, as befits a great ruler. Good fortune.",
      "Drawing near with deep and steady kindness. Good fortune, no blame."}},
    // 20 觀
    {20, "觀", "guān",
     {"Looking on as a child looks. For the petty man, no blame; for the superior man, humiliation.",
      "Peeking out through a crack in the door. This suits a woman's steadfastness.",
      "I look at how my life is going, and from it decide whether to advance or withdraw.",
      "Looking upon the splendor of the kingdom. It is well to be received as the king's guest.",
      "Looking at the course of my own life. The superior man is without blame.",
      "Looking at the course of his life. The superior man is without blame."}},
    // 21 噬嗑
    {21, "噬嗑", "shì kè",
     {"Shackled at the ankles in a wooden frame that hides the toes. No blame.",
      "He bites into soft meat and his nose sinks out of sight. No blame.",
      "Chewing on cured meat, one comes upon something tainted. A little humiliation, but no blame.",
      "Biting into dried meat on the bone, one finds a bronze arrowhead. "
      "It is well to hold steady through hardship. Good fortune.",
      "Biting into lean dried meat, one finds yellow gold. "
      "Hold steady and stay aware of the danger. No blame.",
      "A heavy wooden collar about the neck hides the ears. Misfortune."}},
    // 22 賁
    {22, "賁", "bì",
     {"He adorns his feet, leaves the carriage behind and goes on foot.",
      "He adorns his beard.",
      "Adorned and glistening with moisture. Lasting steadiness brings good fortune.",
      "Finery, or plain white? A white horse gallops up, swift "
      "as a bird. The rider is no raider but a suitor.",
      "Adornment among the hills and gardens. The gift of silk is a "
      "thin, scant bundle. Humiliation, but good fortune in the end.",
      "Plain white adornment. No blame."}},
    // 23 剝
    {23, "剝", "bō",
     {"The bed is cut away at its legs, and the steadfast are brought down. Misfortune.",
      "The bed is cut away at its frame, and the steadfast are brought down. Misfortune.",
      "He breaks away from the others. No blame.",
      "The bed is cut away down to the skin. Misfortune.",
      "Like a string of fish, the palace women come in order and win favor. Nothing fails to go well.",
      "A great fruit hangs uneaten. The superior man is given "
      "a carriage; the petty man's house is stripped bare."}},
    // 24 復
    {24, "復", "fù",
     {"Turning back before going far. No great regret. Supreme good fortune.",
      "A calm and easy return. Good fortune.",
      "Turning back again and again. Danger, but no blame.",
      "Going along among the crowd, one alone turns back.",
      "A return made wholeheartedly. No regret.",
      "One goes astray and cannot find the way back. Misfortune; disaster comes from "
      "heaven and from men. An army sent out now ends in crushing defeat and brings "
      "ruin on the ruler of the land; for ten years no campaign can succeed."}},
    // 25 无妄
    {25, "无妄", "wú wàng",
     {"Free of falsehood. Going on brings good fortune.",
      "Plow without thinking of the harvest, break new ground without thinking "
      "of the crop it will yield; then it is well to have somewhere to go.",
      "Misfortune that is not deserved. Someone tethers an ox; a passing "
      "traveler takes it, and the people of the town bear the loss.",
      "One is able to hold steady. No blame.",
      "An illness one did nothing to bring on. Leave the medicine aside, and there will be joy.",
      "Free of falsehood, yet to act now brings harm. Nothing is gained."}},
    // 26 大畜
    {26, "大畜", "dà chù",
     {"Danger lies ahead. It is well to stop.",
      "The axle block is loosed from the cart.",
      "Fine horses give chase. It is well to hold steady through hardship. Drill every "
      "day in driving and in guarding the chariot, and then it is well to go forward.",
      "A guard board on the horns of a young bull. Supreme good fortune.",
      "The tusks of a gelded boar. Good fortune.",
      "The broad highway of heaven lies open. Success."}},
    // 27 頤
    {27, "頤", "yí",
     {"You set aside your spirit tortoise and stare at my jaws as I eat. Misfortune.",
      "Looking downward for nourishment strays from the proper path; "
      "to set out seeking it from the hill above brings misfortune.",
      "Turning away from nourishment. To persist brings misfortune. "
      "For ten years, do not act; nothing is gained.",
      "Looking downward for nourishment brings good fortune. Staring hard "
      "like a tiger, with a hunger that does not let go. No blame.",
      "Straying from the proper path. To stay put and hold steady "
      "brings good fortune; one must not cross the great river.",
      "All are fed through him. Mindful of the danger, he meets "
      "good fortune. It is well to cross the great river."}},
    // 28 大過
    {28, "大過", "dà guò",
     {"Offerings set down on a mat of white reeds. No blame.",
      "A withered willow puts out new shoots; an old man takes a young wife. Nothing fails to go well.",
      "The ridgepole bows under the load. Misfortune.",
      "The ridgepole is braced and arches upward. Good fortune. If one looks to other ends, humiliation.",
      "A withered willow bursts into flower; an old woman takes a young husband. No blame, and no praise.",
      "Wading across, one goes under and the water closes over one's head. Misfortune, but no blame."}},
    // 29 坎
    {29, "坎", "kǎn",
     {"Pit upon pit, and one falls into a hollow deep within the pit. Misfortune.",
      "The pit holds danger. Seek only small things, and they will be gained.",
      "Coming or going, there is pit after pit, danger with nowhere "
      "to rest. One falls into the hollow in the pit; do not act.",
      "Wine in a jug, grain in a bowl, and a clay pot as well, passed "
      "in plainly by way of the window. In the end, no blame.",
      "The pit is not yet full; the water has only risen level. No blame.",
      "Tied with dark ropes and held within a thicket of thorns, "
      "one does not get free for three years. Misfortune."}},
    // 30 離
    {30, "離", "lí",
     {"Footsteps cross this way and that. Be respectful and careful, and there is no blame.",
      "A yellow glow. Supreme good fortune.",
      "The sun leans toward evening. If one does not drum on a clay pot "
      "and sing, one laments the weight of great age. Misfortune.",
      "It bursts in all at once: blazing, then dead, then thrown out.",
      "Tears pour down in streams, with sighs and grief. Good fortune.",
      "The king sends him out to war. He wins praise for striking down the "
      "chieftain and takes no captives among the rank and file. No blame."}},
    // 31 咸
    {31, "咸", "xián",
     {"The feeling stirs in the big toe.",
      "The feeling stirs in the calves. Misfortune; to stay where one is brings good fortune.",
      "The feeling stirs in the thighs, and one clings to those one follows. To go on brings humiliation.",
      "Holding steady brings good fortune, and regret fades away. Thoughts run "
      "restlessly to and fro, and only one's friends follow where they lead.",
      "The feeling stirs in the back of the neck. No regret.",
      "The feeling stirs in the jaws, the cheeks and the tongue."}},
    // 32 恆
    {32, "恆", "héng",
     {"Digging too deep for what should last. To persist brings misfortune; nothing is gained.",
      "Regret fades away.",
      "Virtue that does not hold firm may bring disgrace upon one. To persist brings humiliation.",
      "The hunting ground holds no game.",
      "Keeping one's virtue constant and holding steady: for "
      "a wife, good fortune; for a husband, misfortune.",
      "Constancy shaken into restlessness. Misfortune."}},
    // 33 遯
    {33, "遯", "dùn",
     {"Retreating at the tail of the column, the last to "
      "get away: danger. Do not set out for anywhere now.",
      "Bound with straps of yellow oxhide, so tightly that nothing can loosen them.",
      "A retreat held back by attachments brings sickness and danger. "
      "Keeping servants and maids close about him brings good fortune.",
      "He withdraws while still on good terms. Good fortune "
      "for the superior man; not so for the petty man.",
      "A withdrawal well timed and gracefully made. Holding steady brings good fortune.",
      "A withdrawal made in ease and plenty. Nothing fails to go well."}},
    // 34 大壯
    {34, "大壯", "dà zhuàng",
     {"Strength lodged in the toes. To march out now brings misfortune; of that there is no doubt.",
      "Holding steady brings good fortune.",
      "The petty man throws his strength about; the superior man holds his back. "
      "To persist is dangerous: a ram charges a fence and gets its horns caught.",
      "Holding steady brings good fortune, and regret fades. The fence gives way and "
      "the horns come free; the strength lies in the axle-block of a great cart.",
      "He loses his ram in an easy, careless moment. No regret.",
      "A ram charges a fence and can go neither back nor forward. Nothing "
      "is gained by it; but if he bears the hardship, good fortune."}},
    // 35 晉
    {35, "晉", "jìn",
     {"He moves forward and is pushed back. Holding steady brings good fortune. "
      "If he is not believed, let him be patient and generous: no blame.",
      "He moves forward, but with a heavy heart. Holding steady brings good "
      "fortune. A great blessing will come to him from his grandmother.",
      "The whole company stands behind him. Regret fades.",
      "He creeps forward like a big rat, grasping and furtive. To persist is dangerous.",
      "Regret fades. Whether he loses or wins, let him not worry. "
      "Going on brings good fortune; nothing fails to go well.",
      "He advances with lowered horns, fit only for putting down unrest in his own city. "
      "Danger, then good fortune, and no blame; but to persist brings humiliation."}},
    // 36 明夷
    {36, "明夷", "míng yí",
     {"The bright bird is wounded in flight, and its wings hang low. The superior man takes to the "
      "road and goes three days without eating. Wherever he stops, his host finds fault with him.",
      "The light is wounded: he is hurt in the left thigh. He is saved by a strong horse. Good fortune.",
      "The light is darkened on a hunt in the south, and he takes their "
      "great chief. Do not hurry to set everything right at once.",
      "Entering by the left side of the belly, he comes to know the "
      "darkness from its heart, then leaves by the gate of the courtyard.",
      "The darkening of the light as Jizi bore it, keeping his light hidden. It is good to hold steady.",
      "Not brightness but gloom. It rose at first as high "
      "as heaven, and afterward went down into the earth."}},
    // 37 家人
    {37, "家人", "jiā rén",
     {"The household is kept within firm bounds. Regret fades.",
      "She does not go off after her own ends; she sees to the meals "
      "at the heart of the house. Holding steady brings good fortune.",
      "When the household is ruled with harsh words, there is regret and danger, yet good "
      "fortune. When wife and children giggle and chatter unchecked, it ends in humiliation.",
      "She makes the household prosper. Great good fortune.",
      "The king draws near to his own household. There is nothing to fear; good fortune.",
      "Sincere and commanding respect, he comes in the end to good fortune."}},
    // 38 睽
    {38, "睽", "kuí",
     {"Regret fades. A horse that has run off needs no chasing; it finds "
      "its own way home. Meeting a man of ill will brings no blame.",
      "He comes upon his lord in a narrow lane. No blame.",
      "He sees the cart hauled back and the ox held fast; the driver has "
      "been branded and his nose cut off. A bad beginning, but a good end.",
      "Set apart and alone, he meets a worthy man, and they "
      "come to trust each other. Danger, but no blame.",
      "Regret fades. His kinsman bites through the tender meat. If he goes to him, where is the blame?",
      "Set apart and alone, he sees a pig caked with mud and a wagon full of "
      "ghosts. He bends his bow, then sets it aside again: these are no raiders but "
      "men come to seek a bride. Going on, he meets the rain, and it goes well."}},
    // 39 蹇
    {39, "蹇", "jiǎn",
     {"Going on leads into hardship; turning back earns praise.",
      "Trouble piles on trouble for the king's servant, and not for any cause of his own.",
      "Going on leads into hardship, so he turns back.",
      "Going on leads into hardship; turning back, he finds allies.",
      "In the thick of great hardship, friends arrive.",
      "Going on leads into hardship; turning back brings great "
      "things. Good fortune. It is good to go and meet a great man."}},
    // 40 解
    {40, "解", "xiè",
     {"No blame.",
      "On the hunt he catches three foxes and wins a yellow arrow. Holding steady brings good fortune.",
      "A porter's load on his back, and a carriage to ride in: "
      "that invites robbers. To persist brings humiliation.",
      "Shake loose whatever clings to your big toe. A friend will "
      "then arrive, and there will be good faith between you.",
      "Only the superior man can set himself loose. Good "
      "fortune. Even the petty men come to see he is in earnest.",
      "The duke shoots at a hawk perched on a high city "
      "wall and brings it down. Nothing fails to go well."}},
    // 41 損
    {41, "損", "sǔn",
     {"His own work finished, he hurries off to help: no blame. "
      "But he should weigh how much to take from himself.",
      "It is good to hold steady; to march out brings misfortune. "
      "He adds to others without taking from himself.",
      "Three set out together and one is lost; one sets out alone and gains a friend.",
      "He lessens his ailment. Make haste, and there will be joy. No blame.",
      "Someone enriches him with a tortoise shell worth ten strings "
      "of cowries, and he cannot refuse it. Supreme good fortune.",
      "He adds to others without taking from anyone. No blame; holding steady brings good fortune; "
      "it is good to have somewhere to go. He wins helpers who are bound to no single household."}},
    // 42 益
    {42, "益", "yì",
     {"It is a good time to take on a great work. Supreme good fortune, no blame.",
      "Someone enriches him with a tortoise shell worth ten strings of "
      "cowries, and he cannot refuse it. Lasting steadiness brings good "
      "fortune. The king makes his offering to the Lord on High: good fortune.",
      "Even troubles bring him gain: no blame. Keeping faith and walking the middle "
      "way, he reports to the prince, holding up the jade tablet of his office.",
      "Walking the middle way, he reports to the prince, and the prince "
      "heeds him. He is the one to be relied on when the capital is moved.",
      "Kindness that comes from a true heart needs no questioning: supreme good "
      "fortune. Others in good faith will repay his kindness by honoring his virtue.",
      "Nobody adds to his store, and someone lashes out at "
      "him. His heart holds to no lasting purpose. Misfortune."}},
    // 43 夬
    {43, "夬", "guài",
     {"Strength gathered in the front toes. If he sets out and cannot carry it off, he is at fault.",
      "Alarmed, he shouts a warning: armed men may come after dark. There is nothing to fear.",
      "Strength shows in the cheekbones: misfortune. The superior man is wholly resolved. "
      "He goes on by himself, the rain soaks him, and people resent it. No blame.",
      "There is no skin on his buttocks, and he walks with halting steps. If he let himself be "
      "led like a sheep, regret would fade; but he hears the advice and does not believe it.",
      "The purslane is cut back, cut back without wavering. Walking the middle way, no blame.",
      "No one cries out a warning. In the end, misfortune."}},
    // 44 姤
    {44, "姤", "gòu",
     {"Hold it fast to a bronze brake: holding steady brings good fortune. If it is let go "
      "its own way, misfortune follows. Even a lean pig will pace and strain to break loose.",
      "There is a fish in the wrapping. No blame; but it is not to be set before guests.",
      "There is no skin on his buttocks, and he walks with halting steps. Danger, but no great blame.",
      "There is no fish in the wrapping. Misfortune starts here.",
      "Willow leaves wrapped around a melon: its beauty is kept within. It falls as a gift from heaven.",
      "A meeting horn to horn. Humiliation, but no blame."}},
    // 45 萃
    {45, "萃", "cuì",
     {"Good faith that does not last: now the crowd is in disorder, now it gathers. If you call "
      "out, a single clasp of hands turns it to laughter. Do not worry; going on is without blame.",
      "Being drawn in brings good fortune and no blame. With a "
      "true heart, even a plain spring offering is well received.",
      "He longs to join them and can only sigh. Nothing goes well. "
      "Going on is without blame, though there is slight humiliation.",
      "Great good fortune. No blame.",
      "He gathers them and holds his rightful place. No blame. If some do not "
      "yet trust him, let him stay deeply and lastingly true, and regret fades.",
      "He sighs and groans, and tears stream down his face. No blame."}},
    // 46 升
    {46, "升", "shēng",
     {"Rising, welcomed by those above. Great good fortune.",
      "With a true heart, even a plain spring offering is well received. No blame.",
      "He goes up into a city that stands empty.",
      "The king makes offering on Mount Qi. Good fortune, no blame.",
      "Holding steady brings good fortune. He climbs the stairs one step at a time.",
      "Climbing on in the dark. It is good to hold steady without letting up."}},
    // 47 困
    {47, "困", "kùn",
     {"He sits hemmed in on a bare stump and wanders into a dark valley. For three years no one sees him.",
      "Hemmed in amid wine and food. An official in a scarlet sash of office is on "
      "his way. It is good to make offerings. To set out brings misfortune; no blame.",
      "Hemmed in by rock, he leans on thorny brambles. At "
      "home, his wife is nowhere to be seen. Misfortune.",
      "Slowly, slowly he comes, hemmed in inside a bronze "
      "carriage. Humiliation, but things are brought to a close.",
      "Nose and feet are cut off; he is hemmed in by those in red sashes of office. "
      "Little by little, relief comes. It is good to make offerings and sacrifices.",
      "Tangled in creeping vines, he sways unsteadily and tells himself that any move will "
      "be regretted. Let him feel that regret and set out all the same: good fortune."}},
    // 48 井
    {48, "井", "jǐng",
     {"The well is thick with mud, and no one drinks from it. An old well draws no birds or beasts.",
      "Down at the bottom of the well, one shoots at minnows. The jar is cracked and leaks.",
      "The well has been cleaned, yet no one drinks from it, and this grieves my heart. "
      "Its water could be drawn. If the king saw clearly, all would share in the blessing.",
      "They line the well with brick. No blame.",
      "Clear water from a cold spring fills the well, and people drink it.",
      "Water is drawn from the well; do not cover it. It "
      "keeps faith with all who come. Supreme good fortune."}},
    // 49 革
    {49, "革", "gé",
     {"He is bound tight with the hide of a yellow ox.",
      "When the day is ripe, make the change. Setting out brings good fortune, no blame.",
      "To set out brings misfortune; to persist is dangerous. Once the word for "
      "change has been spoken and agreed three times over, it can be trusted.",
      "Regret fades. With good faith on his side, he alters the mandate. Good fortune.",
      "The great man changes like a tiger, his stripes plain for all "
      "to see. No divining is needed; he already has their trust.",
      "The superior man changes like a leopard; the petty man changes only his face. "
      "To set out brings misfortune; to stay and hold steady brings good fortune."}},
    // 50 鼎
    {50, "鼎", "dǐng",
     {"The caldron is tipped up on its legs, and that is good for emptying out what "
      "has gone bad. A secondary wife is taken for the sake of her son. No blame.",
      "The caldron is full. My rivals are sick with envy, but they cannot come near me. Good fortune.",
      "The caldron's ears are changed and it cannot be moved; the rich pheasant meat "
      "goes untasted. Rain comes, regret thins away, and it ends in good fortune.",
      "The caldron's leg snaps and the duke's meal spills out; he is drenched in shame. Misfortune.",
      "The caldron has yellow ears and a bronze bar to lift it by. It is good to hold steady.",
      "The caldron has a lifting bar of jade. Great good fortune; nothing fails to go well."}},
    // 51 震
    {51, "震", "zhèn",
     {"The thunder comes, and all are filled with dread; afterward "
      "there is laughter and cheerful talk. Good fortune.",
      "The thunder comes with danger. He loses untold riches and climbs "
      "into the nine hills. Let them go; seven days, and they return.",
      "The thunder leaves him dazed and limp. If he acts on the fright, he will come to no harm.",
      "The thunder bogs down in the mud.",
      "The thunder comes and goes, and there is danger. Still, "
      "he loses nothing, and there are tasks to see to.",
      "The thunder leaves him shaking and staring wildly about. To set out brings misfortune. If "
      "it strikes not him but his neighbor, no blame. Even his in-laws will have words to say."}},
    // 52 艮
    {52, "艮", "gèn",
     {"He holds his toes still. No blame. It is good to stay steady for a long time.",
      "He holds his calves still. He cannot save the one he walks behind, and he is unhappy at heart.",
      "He holds his waist still, and his back goes rigid as if torn. Danger; the heart smolders.",
      "He holds his trunk still. No blame.",
      "He holds his jaws still, and his words come in good order. Regret fades.",
      "Stillness, steady and generous. Good fortune."}},
    // 53 漸
    {53, "漸", "jiàn",
     {"The wild goose edges toward the riverbank. The young one "
      "is in danger, and there is talk against him, but no blame.",
      "The wild goose edges toward a broad rock. It eats and drinks in contentment. Good fortune.",
      "The wild goose edges onto the dry upland. The husband marches off and never returns; the "
      "wife conceives, but the child is never born. Misfortune. It is good to fend off raiders.",
      "The wild goose edges into the trees. If it finds a branch as level as a rafter, no blame.",
      "The wild goose edges toward the summit. The wife goes three years "
      "without a child, but at last nothing can stand in her way. Good fortune.",
      "The wild goose edges up toward the high ground. Its "
      "feathers are fit to adorn the rites. Good fortune."}},
    // 54 歸妹
    {54, "歸妹", "guī mèi",
     {"The maiden goes to be married as a younger companion wife. "
      "A lame man can still walk. Setting out brings good fortune.",
      "A man blind in one eye can still see. It is good to hold steady like one who lives apart.",
      "The maiden goes to be married while still waiting in a servant's "
      "place; she goes back, and comes again as a companion wife.",
      "The maiden lets the time for marriage slip by. A late marriage has its own season.",
      "King Di Yi gives his younger sister in marriage. The bride's sleeves are "
      "plainer than those of her companion. The moon is almost full. Good fortune.",
      "The woman holds up a basket with nothing in it; the man "
      "cuts the sheep but draws no blood. Nothing goes well."}},
    // 55 豐
    {55, "豐", "fēng",
     {"He finds the lord who answers to him. Ten days in "
      "his company are no fault. Going on wins him honor.",
      "The screen is so heavy that the Dipper shows at noon. Going on meets with suspicion "
      "and ill will. If he draws others out through his sincerity, good fortune.",
      "The awning is so thick that the faintest stars show at noon. He breaks his right arm. No blame.",
      "The screen is so heavy that the Dipper shows at noon. "
      "He comes upon a lord of his own kind. Good fortune.",
      "Brightness draws near; there is blessing and praise. Good fortune.",
      "His house is grand, and his family hidden behind screens. He peers through the gate: "
      "all is still, and no one is there. For three years he sees no one. Misfortune."}},
    // 56 旅
    {56, "旅", "lǚ",
     {"A traveler taken up with trifles invites his own disaster.",
      "The traveler comes to an inn with his money safely on him, and gains a young servant who is loyal.",
      "Fire takes the traveler's lodging, and his young servant is gone. To persist is dangerous.",
      "The traveler finds a place to stay and comes by money "
      "and an ax, yet there is no gladness in his heart.",
      "He shoots at a pheasant and loses one arrow, but in the end he wins praise and a post.",
      "The bird's nest goes up in flames. The traveler starts out laughing and "
      "ends up wailing. He lets his cow stray while all seems easy. Misfortune."}},
    // 57 巽
    {57, "巽", "xùn",
     {"Going forward, drawing back. It is good to hold steady like a soldier.",
      "He searches under the bed, calling on scribes and "
      "diviners in great numbers. Good fortune, no blame.",
      "Bending again and again, without end. Humiliation.",
      "Regret fades. The hunt yields game of three kinds.",
      "Holding steady brings good fortune; regret fades; nothing fails to go well. A poor beginning, "
      "but a good end. Take three days before the turning point and three days after it: good fortune.",
      "He crouches under the bed and loses his money and his ax. To persist brings misfortune."}},
    // 58 兌
    {58, "兌", "duì",
     {"Joy in harmony with others. Good fortune.",
      "Joy that springs from good faith. Good fortune; regret fades.",
      "Joy that comes courting from outside. Misfortune.",
      "He weighs one pleasure against another and finds no peace. "
      "If he keeps clear of the sickness, there will be joy.",
      "He places his trust in what wears things away. There is danger.",
      "Joy that leads others along."}},
    // 59 渙
    {59, "渙", "huàn",
     {"He comes to the rescue with a strong horse. Good fortune.",
      "When all is breaking up, he runs to the stool he can lean on. Regret fades.",
      "He lets go of self. No regret.",
      "He breaks up his own faction: supreme good fortune. Out of the scattering "
      "a mound is heaped up, which is beyond what common people would imagine.",
      "His great proclamations flow out of him like sweat. The "
      "king gives away what was stored in his palace. No blame.",
      "He sends the bloodshed away, goes far off and keeps clear of it. No blame."}},
    // 60 節
    {60, "節", "jié",
     {"He does not step out past the door into the courtyard. No blame.",
      "He does not step out through the gate of the courtyard. Misfortune.",
      "Without restraint now, he will be sighing later. No blame.",
      "Measure kept with ease and calm. Success.",
      "Measure that is sweet to keep. Good fortune; going on brings honor.",
      "Measure that is bitter to keep. To persist brings misfortune; yet regret fades."}},
    // 61 中孚
    {61, "中孚", "zhōng fú",
     {"Calm and ready: good fortune. If he looks elsewhere, he will find no rest.",
      "A crane cries out in the shadows and its chick calls back. "
      "I have good wine in my cup; let us drink it together.",
      "Faced with a rival, he drums one moment and falls silent the next, weeps and then breaks into song.",
      "The moon is almost full. One horse of the pair goes its own way. No blame.",
      "His good faith links others to him as if hand in hand. No blame.",
      "A cockcrow climbs up toward heaven. To persist brings misfortune."}},
    // 62 小過
    {62, "小過", "xiǎo guò",
     {"The bird flies on, and so meets misfortune.",
      "He goes past his grandfather to meet his grandmother; he falls "
      "short of his prince and meets the prince's minister. No blame.",
      "If he does not take extra care to guard against it, someone "
      "may come after him and strike him down. Misfortune.",
      "No blame. He does not go past it but meets it. Going on is "
      "dangerous; he must be on guard. Do not cling to steadiness forever.",
      "Thick clouds roll in from the western fields, but no rain falls. The "
      "duke shoots a corded arrow and takes the one hidden in the cave.",
      "He does not meet it but overshoots it. The flying bird ends in "
      "the net. Misfortune: this is what is called disaster and ruin."}},
    // 63 既濟
    {63, "既濟", "jì jì",
     {"He drags back on his wheels; his tail gets wet. No blame.",
      "The woman loses the screen of her carriage. No need to search: within seven days it turns up again.",
      "King Gaozong marches against the Guifang and takes three "
      "years to subdue them. This is no work for petty men.",
      "Rags are kept at hand to stop the leaks in the boat. Stay on guard all day long.",
      "The neighbor in the east kills an ox for sacrifice, yet it is the plain "
      "spring offering of the neighbor in the west that truly receives the blessing.",
      "His head goes under the water. Danger."}},
    // 64 未濟
    {64, "未濟", "wèi jì",
     {"It gets its tail wet. Humiliation.",
      "He drags back on his wheels. Holding steady brings good fortune.",
      "Not yet across. To march out brings misfortune, but it is good to cross the great river.",
      "Holding steady brings good fortune, and regret fades. Roused to action, he marches "
      "against the Guifang, and after three years he is rewarded by the great kingdom.",
      "Holding steady brings good fortune; no regret. The light "
      "of the superior man shines with good faith. Good fortune.",
      "There is good faith in drinking wine together: no "
      "blame. But if he soaks his head, good faith is lost."}},
}};

const std::array<const char *, 2> AllLinesChangeTexts{
    // 1, all nines
    "A host of dragons appears, and not one of them sets itself at the head. Good fortune.",
    // 2, all sixes
    "It is well to hold steady, and to go on holding steady for good.",
};
// clang-format on

} // namespace iching
