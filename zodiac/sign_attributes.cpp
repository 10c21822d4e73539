// The fixed attribute sheet of each sign and the text of each element.
#include "sign_attributes.h"

namespace zodiac {

namespace {

// Each text is one paragraph; the literals only wrap it, every piece but the last ending in a space.

constexpr const char *kRatPositive =
    "You are considered to be witty and charming people. You notice what others miss, and you turn what you notice "
    "into opportunity long before anyone else has seen the chance. Friends value your quick mind, your lively humor "
    "and the warmth you show to those you let into your circle. You are careful with money and resources, saving in "
    "good times so that lean times never catch you unprepared. Hard work does not frighten you; when a goal matters "
    "you give it long hours and steady attention. You adapt easily to new places and new company, and you can talk "
    "your way through almost any situation. Family means a great deal to you, and you guard the people you love with "
    "fierce loyalty.";
constexpr const char *kRatNegative =
    "You tend to worry about security more than you need to, and that worry can make you grasping with money and slow "
    "to share what you have. When you feel threatened you may become crafty, using your cleverness to get the upper "
    "hand rather than to solve the problem honestly. You can be restless and easily bored, starting many projects and "
    "finishing few. Criticism stings you, and you sometimes answer it with sharp words you later regret. You like to "
    "know everyone's business while keeping your own plans hidden, which can leave others unsure of where they stand "
    "with you.";

constexpr const char *kOxPositive =
    "You are patient, dependable people who build your lives one careful step at a time. Where others rush, you plan, "
    "and your steady effort usually carries you further than talent alone could. You are honest to the point of "
    "bluntness, and people trust your word because you keep it. Responsibility sits easily on your shoulders, and you "
    "are often the one who holds a family or a team together when things grow difficult. You prefer proven methods to "
    "fashionable ones, and your common sense protects you from many costly mistakes. Though you rarely show your "
    "feelings openly, your affection runs deep and lasts for life. You enjoy simple pleasures: good food, a "
    "comfortable home, honest work done well. When you set your mind on a goal, very little can turn you aside, and "
    "you reach it through sheer endurance. Others find calm in your presence, because you hardly ever panic and you "
    "always seem to know what must be done next.";
constexpr const char *kOxNegative =
    "You tend to be stubborn, and once you have made up your mind you can refuse to listen even when the facts have "
    "changed. Your caution can harden into rigidity, so that new ideas are rejected simply because they are new. You "
    "are slow to forgive, and you may carry a grudge for years in silence. Because you dislike showing emotion, those "
    "closest to you sometimes feel shut out or misunderstood. When you are pushed too far your temper, usually well "
    "hidden, can break out with a force that startles everyone who thought they knew you.";

constexpr const char *kTigerPositive =
    "You are brave, lively people who meet life head on and seldom back away from a challenge. Your energy is "
    "infectious, and others are drawn to the confidence with which you speak and act. You have a strong sense of "
    "justice and protect the weak, even at some cost to yourselves. You love adventure and novelty, and you are "
    "happiest when there is something new to explore or conquer. Generous and warm-hearted, you give freely of your "
    "time and your possessions to those you care about. You think quickly under pressure and can lead a group through "
    "a crisis with natural authority. Your enthusiasm raises weary spirits, and your honesty means that people always "
    "know where they stand with you. You trust your instincts, and more often than not they serve you well.";
constexpr const char *kTigerNegative =
    "You tend to act on impulse, leaping into situations before you have fully weighed the risks. Your pride is easily "
    "wounded, and you may react to a slight with anger out of all proportion to the cause. You dislike taking orders "
    "and can be rebellious simply for the sake of it. Patience is not your strength, so long, slow chores often bore "
    "you into giving up. You can also be rather moody, swinging from high spirits to gloom, and the people around you "
    "may find it hard to keep pace with your changes of heart.";

constexpr const char *kRabbitPositive =
    "You are gentle, gracious people with a gift for making others feel at ease. Your tact and good manners smooth "
    "over quarrels, and you often act as the peacemaker among friends and family. You have refined taste and "
    "appreciate beauty in art, music, clothing and the home, which you keep comfortable and welcoming. You think "
    "before you speak and rarely say anything hurtful. Careful and observant, you avoid needless risks and weigh every "
    "decision soundly. You are kind to those in need and loyal to the people who have earned your trust. In business "
    "you are shrewd and diplomatic, able to strike a fair bargain without making enemies. Your calm, modest manner "
    "hides a sharp mind, and people who underestimate you are often surprised.";
constexpr const char *kRabbitNegative =
    "You tend to avoid conflict so carefully that you may leave important problems unspoken until they grow worse. You "
    "can be overly cautious, letting good chances pass because the risk feels too great. You are sensitive to "
    "criticism and may withdraw into yourselves at the first sign of disapproval. At times you can be aloof, hiding "
    "behind good manners instead of sharing what you really feel. Your love of comfort may make you self-indulgent, "
    "and you may choose an easy path over a worthwhile one. When you are anxious, you can become secretive and hard to "
    "reach.";

constexpr const char *kDragonPositive =
    "You are powerful, confident people with a natural air of authority that others notice the moment you walk into a "
    "crowded room. Your ambition is large and your energy seems endless, so you often achieve what others would not "
    "even attempt. You are intelligent and imaginative, able to picture bold plans and then drive them through to "
    "completion. Your enthusiasm is contagious, and you inspire deep loyalty in the people who follow your lead. You "
    "are honest and direct, with little patience for any deceit, and you expect the same openness from others. "
    "Generous in success, you enjoy sharing your good fortune freely with friends and family. Good luck seems to "
    "favor you, but it is your courage and hard work that really open doors. You are at your best when the stakes are "
    "high, and you rarely lose heart when the way ahead is long and hard.";
constexpr const char *kDragonNegative =
    "You tend to be proud and demanding, expecting a great deal from others and sometimes more from yourselves. When "
    "people fail to meet your standards you may become impatient or scornful, and your sharp tongue can wound more "
    "deeply than you mean. You like to be in charge, and you may find it hard to accept advice or to admit that you "
    "were wrong. Your confidence can slide into arrogance, and you may take on too much because you believe you can do "
    "everything yourselves. You are easily bored by routine and may neglect the small tasks that success depends on. "
    "In anger you can be explosive, and your outbursts can damage friendships you value. Learning to slow down, to "
    "listen and to share the stage would bring you more lasting happiness.";

constexpr const char *kSnakePositive =
    "You are wise, thoughtful people who look beneath the surface of things. You have a deep, quiet intelligence and a "
    "powerful intuition that often tells you the truth before the facts do. You are elegant and composed, with a calm "
    "manner that others find both attractive and a little mysterious. You plan carefully and act decisively, and once "
    "you have chosen a course you follow it with great determination. You handle money well and are seldom caught "
    "short in hard times. You enjoy the finer things in life, books, music, art and good conversation among them, and "
    "you have a natural sense of style. In a crisis you keep a cool head and can find a clever way out where others "
    "see none. Your friends value your discretion, since a secret told to you is always kept.";
constexpr const char *kSnakeNegative =
    "You tend to be suspicious, and you may read hidden motives into the harmless actions of others. You can be "
    "possessive and jealous in love, holding on far too tightly to the people you care for. Because you keep your "
    "thoughts to yourselves, others may find you cold or calculating. You detest losing, and when you feel wronged you "
    "may wait patiently for a chance to strike back. Your love of luxury can lead you to spend more than is wise. You "
    "sometimes prefer to watch from a distance rather than take part, and this reserve can cost you friendships. When "
    "plans go badly, you may brood in silence rather than ask your friends for help.";

constexpr const char *kHorsePositive =
    "You are cheerful, energetic people who love freedom and movement above almost everything else. You are "
    "quick-witted and quick on your feet, able to grasp a new idea at once and act on it without delay. Your warmth "
    "and humor make you popular, and you are often the life of any gathering you join. You are hard-working when a "
    "task catches your interest, and you can keep going long after others have tired. You love travel, sports and the "
    "fresh air, and you meet strangers with friendly curiosity. Fiercely independent by nature, you prefer to make "
    "your own way rather than rely on others. You speak frankly and have a talent for persuading people to see things "
    "your way. Your optimism helps you recover quickly from setbacks and face each new day with fresh hope.";
constexpr const char *kHorseNegative =
    "You tend to be impatient, and you may rush ahead without finishing what you started. Your love of freedom can "
    "make you restless in relationships and unwilling to accept ties or routine. You can be hot-tempered, flaring up "
    "quickly, though you usually calm down just as fast. You may lose interest in people or projects once the first "
    "excitement fades. At times you can be self-centered, so keen to follow your own path that you forget about the "
    "needs of those around you.";

constexpr const char *kGoatPositive =
    "You are gentle, kind-hearted people with a deep love of beauty and harmony. You have a creative spirit and often "
    "show real talent in art, music, writing or any craft that calls for imagination and a delicate touch. You are "
    "sympathetic listeners, and friends turn to you when they need comfort, because you understand feelings without "
    "being told. You are peaceful by nature and prefer cooperation to competition. Polite and modest, you rarely push "
    "yourselves forward, yet your quiet charm wins many hearts. You enjoy a calm, pleasant home and take pleasure in "
    "making it beautiful for the people you love. You are generous with your time and sincere and constant in your "
    "affections. When you feel secure and appreciated, your gifts flourish, and you bring grace and tenderness to "
    "every part of life.";
constexpr const char *kGoatNegative =
    "You tend to worry, and you can lose yourselves in gloomy thoughts about what might go wrong. You may be "
    "indecisive, waiting for others to choose for you rather than take the lead. You are easily hurt, and criticism "
    "can leave you sulky for days. At times you can be disorganized with time and money, trusting that things will "
    "somehow work out. You may lean too heavily on others for support, and your need for reassurance can tire even "
    "patient friends. You may also hide your wishes to avoid quarrels.";

constexpr const char *kMonkeyPositive =
    "You are clever, inventive people with a quick mind and a lively sense of fun. You learn fast, remember what you "
    "learn, and turn your hand to almost anything that catches your curiosity. Problems that defeat others are puzzles "
    "to you, and you like nothing more than finding the solution."
    // No space at this join: the stored text has none between the two pieces.
    "Your humor and charm make you excellent company, and you can lift the mood of any gathering with a witty remark. "
    "You are adaptable and resourceful, at home in new places and among strangers. You are ambitious and confident, "
    "and you set about your goals with energy and imagination. Many of you have a gift for words, in talk, in writing "
    "or in persuading others to back your plans. You are generous to friends and quick to help anybody in trouble. You "
    "love a challenge, and competition brings out your best. Your optimism carries you through disappointments, and "
    "you rarely stay down for long. With your wit and versatility you can succeed in business, science, the arts or "
    "any field that rewards fresh thinking.";
constexpr const char *kMonkeyNegative =
    "You tend to be restless, and you may drop a task the moment it stops being interesting. You can be vain and "
    "pleased with your own cleverness, looking down on slower minds. Your love of tricks and schemes may lead you to "
    "bend the truth when it suits you. You can be jealous of others' success and slow to trust anyone completely. When "
    "you are bored you may stir up mischief simply to make things lively again, then weary of that too.";

constexpr const char *kRoosterPositive =
    "You are honest, hard-working people who take pride in doing things properly. You are observant and precise, "
    "noticing details that others overlook, and your careful planning means that your work is usually thorough and "
    "reliable. You speak your minds plainly and expect others to do the same. Confident and courageous, you will "
    "defend your friends and your principles without hesitation. You like to look your best at all times and take care "
    "over your appearance and your surroundings. You are organized with money and time, and people rely on you to keep "
    "things running smoothly when others lose track. Your loyalty is deep, and once you have given your friendship you "
    "keep it for life.";
constexpr const char *kRoosterNegative =
    "You tend to be critical, and you may point out the faults of others with more honesty than kindness. You can be "
    "boastful, eager for praise and hurt when it does not come. Your perfectionism may make you fussy and hard to "
    "please. You often argue for the sake of winning, even over small matters. Because you see yourselves as right, "
    "you may find it hard to admit a mistake or to change your plans once they are made, even for a better one.";

constexpr const char *kDogPositive =
    "You are loyal, faithful people who stand by your friends and family through good times and bad. Your sense of "
    "right and wrong is strong, and you cannot stay silent when you see injustice. You are honest and straightforward, "
    "and people trust you because you keep your promises. You work hard and do your duty without needing praise or "
    "reward. You are thoughtful listeners and give sensible, kind advice to those who ask. Though you may be cautious "
    "with strangers, once you accept someone you are warm, generous and protective. You care about fairness and often "
    "work for causes that help others. Your modesty and sincerity earn you lasting respect in your community, and your "
    "steady presence makes the people around you feel safe and valued.";
constexpr const char *kDogNegative =
    "You tend to worry a great deal, imagining troubles that never arrive. You can be anxious and pessimistic, "
    "expecting the worst of a situation before it has begun. Your strong sense of justice may make you stubborn and "
    "judgmental, unwilling to see shades of gray. You can be sharp-tongued when you sense someone has been unfair. You "
    "may be slow to trust and quick to suspect, and your defensiveness can keep new friends at a distance for longer "
    "than necessary. You may also overwork on behalf of friends.";

constexpr const char *kPigPositive =
    "You are warm, good-natured people with generous hearts and an easygoing manner. You are honest, sincere and "
    "peace-loving, and you tend to see the best in everyone you meet. You enjoy the pleasures of life, good food, good "
    "company and comfortable surroundings, and you love to share them. You are hard-working and reliable when you "
    "commit to something, and you finish what you start, however long it may take. Tolerant and forgiving, you rarely "
    "hold a grudge and readily give a second chance to those who stumble. Your kindness and good humor make you well "
    "loved, and your friends know they can always count on you.";
constexpr const char *kPigNegative =
    "You tend to be too trusting, and others may take advantage of your good nature. You can be naive about money and "
    "easily talked into poor bargains by smooth talkers. Your love of comfort may lead to overindulgence in food, "
    "drink or spending. You sometimes avoid hard decisions, hoping problems will go away. When you are upset, you may "
    "become stubborn and refuse to budge, even when flexibility would serve you better.";

constexpr const char *kMetalText =
    "You carry the strength of metal: firm, decisive and steadfast of purpose. You know what you want and pursue it "
    "with determination, and you are not easily swayed by the opinions of others. You value order and fairness, and "
    "keep your promises. Be careful that your firmness does not harden into rigidity.";

constexpr const char *kWaterText =
    "You have the fluidity of water and solve issues with your silent charm. You are intuitive and sensitive, calm "
    "under pressure, reading people and situations with ease. You communicate warmly and can persuade others without "
    "force. Like water you adapt to any shape, but you should take care to guard against drifting with every current.";

constexpr const char *kWoodText =
    "You share the nature of wood: growing, generous and full of life. You are creative and cooperative, happiest when "
    "working with others towards a shared goal. You have high principles and a strong sense of what is right, and you "
    "like to plan ahead. Your warmth and patience help others grow as well, and you forgive easily. Take care not to "
    "spread yourselves too thin, since in your eagerness you may take on more than you can manage.";

constexpr const char *kFireText =
    "You blaze with the energy of fire: passionate, bold and full of enthusiasm. You are natural leaders who love "
    "action and adventure, and you draw others into your plans. Your warmth brightens any room, and your courage lifts "
    "up those who hesitate. Yet fire can flare out of control, so learn to temper your impatience and to think "
    "carefully before you act.";

constexpr const char *kEarthText =
    "You stand on the firm ground of earth: practical, patient and reliable. You are careful with resources and think "
    "things through before you act. You build for the long term, and others rely on your steady, sober judgment and "
    "sound counsel. Take care, though, that caution does not keep you from the chances life offers.";

} // namespace

// sign, ruling planet, positive, negative, most compatible, least compatible,
// lucky colour, gemstone, energy, favourable season, favourable month, famous persons
// clang-format off
const std::array<SignAttributes, 12> SignTable{{
    {"Rat", "Jupiter", kRatPositive, kRatNegative, "Dragon, Monkey", "Horse",
     "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)", "Winter", "December",
     "Mitsuko Uchida, Haruki Murakami, Zinedine Zidane, Scarlett Johansson, LeBron James"},
    {"Ox", "Saturn", kOxPositive, kOxNegative, "Snake, Rooster", "Goat",
     "Violet", "White Onyx", "Yin (positive)", "End of Winter", "January",
     "Meryl Streep, Bruce Springsteen, George Clooney, Andy Lau, Ichiro Suzuki, Malala Yousafzai, Naomi Osaka"},
    {"Tiger", "Uranus", kTigerPositive, kTigerNegative, "Horse, Dog", "Monkey",
     "Green", "Sapphire", "Yang (Negative)", "Early Spring", "February",
     "Stevie Wonder, Zaha Hadid, Tony Leung Chiu-wai, Leonardo DiCaprio, Lady Gaga, Rafael Nadal"},
    {"Rabbit", "Jupiter", kRabbitPositive, kRabbitNegative, "Goat, Pig", "Rooster",
     "Pale Green", "Chrysolite", "Yin (positive)", "Mid Spring", "March",
     "Margaret Atwood, Jet Li, David Beckham, Kate Winslet, Yuja Wang, Lionel Messi"},
    {"Dragon", "Mars", kDragonPositive, kDragonNegative, "Rat, Monkey", "Dog",
     "Turquoise", "Amethyst", "Yang (Negative)", "End of Spring", "April",
     "Bruce Lee, Hayao Miyazaki, Maggie Cheung"},
    {"Snake", "Venus", kSnakePositive, kSnakeNegative, "Ox, Rooster", "Tiger, Pig",
     "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May",
     "Bob Dylan, Stephen Hawking, Oprah Winfrey, Gong Li, Taylor Swift, Kei Nishikori"},
    {"Horse", "Mercury", kHorsePositive, kHorseNegative, "Tiger, Dog", "Rat",
     "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June",
     "Paul McCartney, Jackie Chan, Ang Lee, Emma Watson, Kim Yuna"},
    {"Goat", "Moon", kGoatPositive, kGoatNegative, "Rabbit, Pig", "Ox",
     "Pink, Purple", "Emerald", "Yin (Positive)", "End of Summer", "July",
     "Mick Jagger, Chow Yun-fat, Bill Gates, Nicole Kidman, Julia Roberts, Zhang Ziyi"},
    {"Monkey", "Sun", kMonkeyPositive, kMonkeyNegative, "Rat, Dragon", "Tiger",
     "Yellow, Gold", "Emerald", "Yang (Negative)", "Early Autumn", "August",
     "Diana Ross, Tom Hanks, Hugh Jackman, Venus Williams, Yao Ming, Son Heung-min"},
    {"Rooster", "Mercury", kRoosterPositive, kRoosterNegative, "Ox, Dragon, Snake", "Rabbit",
     "Peach, Apricot", "Pin Jasper", "Yin (Positive)", "Mid Autumn", "September",
     "Faye Wong, Bong Joon-ho, Roger Federer, Serena Williams"},
    {"Dog", "Venus", kDogPositive, kDogNegative, "Tiger, Horse", "Dragon",
     "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October",
     "Cher, Freddie Mercury, Steven Spielberg, Wong Kar-wai, Madonna, Han Kang, Li Na, Shohei Ohtani"},
    {"Pig", "Mars", kPigPositive, kPigNegative, "Rabbit, Goat", "Snake",
     "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "October",
     "Elton John, Youn Yuh-jung, Stephen King, Ken Watanabe, Ewan McGregor"},
}};

const std::array<ElementText, 5> ElementTable{{
    {"Metal", kMetalText},
    {"Water", kWaterText},
    {"Wood", kWoodText},
    {"Fire", kFireText},
    {"Earth", kEarthText},
}};
// clang-format on

} // namespace zodiac
